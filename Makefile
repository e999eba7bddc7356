# SPDX-License-Identifier: GPL-3.0-or-later
# Verdimark: `make run` to use the program, `make test` to check it,
# `make install` or `make package` to install it like any desktop program.
BUILD ?= build
DATA ?= demo-data
JOBS ?= $(shell nproc)
PREFIX ?= /usr/local
VERSION := $(shell grep -o 'Verdimark VERSION [0-9.]*' CMakeLists.txt | cut -d' ' -f3)
DEB := $(BUILD)/verdimark_$(VERSION)_amd64.deb

.PHONY: all deps configure build run test sanitize format-check bench install package \
  lint-package screenshots clean

all: build

deps:
	@scripts/install-deps

configure: deps
	@cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Release -DVERDIMARK_WERROR=ON >/dev/null

build: configure
	@cmake --build $(BUILD) -j $(JOBS)

# Seeds the demonstration folder on first use, then starts the program on it.
run: build
	@$(BUILD)/src/app/verdimark-demo-seed "$(DATA)"
	@$(BUILD)/src/app/verdimark --data-dir "$(DATA)"

test: build
	@ctest --test-dir $(BUILD) --output-on-failure -j $(JOBS) --timeout 120

# The tests of the core and of the windows (offscreen) under the address and undefined-behaviour
# sanitizers, in a build of their own.
SANITIZER_OPTIONS = ASAN_OPTIONS=detect_leaks=1:strict_string_checks=1 \
  UBSAN_OPTIONS=print_stacktrace=1
sanitize: deps
	@cmake -S . -B $(BUILD)-sanitize -G Ninja -DCMAKE_BUILD_TYPE=Debug \
	  -DVERDIMARK_SANITIZE=ON >/dev/null
	@cmake --build $(BUILD)-sanitize -j $(JOBS) --target core_tests window_tests
	@$(SANITIZER_OPTIONS) $(BUILD)-sanitize/tests/core_tests --gtest_brief=1
	@$(SANITIZER_OPTIONS) QT_QPA_PLATFORM=offscreen $(BUILD)-sanitize/tests/window_tests \
	  --gtest_brief=1

# Every C++ file of src/, tests/ and bench/ as .clang-format lays it out.
format-check: deps
	@git ls-files -z -- 'src/*.h' 'src/*.cpp' 'tests/*.h' 'tests/*.cpp' 'bench/*.h' 'bench/*.cpp' \
	  | xargs -0 clang-format --dry-run --Werror

bench:
	@scripts/install-deps --bench
	@cmake -S . -B $(BUILD)-bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DVERDIMARK_BENCH=ON >/dev/null
	@cmake --build $(BUILD)-bench -j $(JOBS)
	@for b in $(BUILD)-bench/bench/bench_*; do echo "== $$b"; $$b; done

# The program, its menu entry, icons and catalogue entry under PREFIX; DESTDIR stages them.
install: build
	@cmake --install $(BUILD) --prefix "$(PREFIX)"

# A Debian package of the same, left in the build folder.
package: build
	@cd $(BUILD) && cpack -G DEB

# The package as a distribution checks it: lintian finds no error and no warning, and the menu and
# catalogue entries it carries are valid.
lint-package: package
	@scripts/install-deps --lint
	@rm -rf $(BUILD)/lint-package && dpkg-deb -x $(DEB) $(BUILD)/lint-package
	@lintian --fail-on error,warning $(DEB)
	@desktop-file-validate $(BUILD)/lint-package/usr/share/applications/*.desktop
	@appstreamcli validate --no-net $(BUILD)/lint-package/usr/share/metainfo/*.metainfo.xml
	@echo "$(DEB): lintian, desktop-file-validate and appstreamcli found nothing to report"

# The README's screenshots, taken again from the demonstration data (docs/screenshots/).
screenshots:
	@scripts/screenshots $(BUILD)

clean:
	rm -rf $(BUILD) $(BUILD)-bench $(BUILD)-sanitize
