#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
# Makes the small spreadsheet files the tests read, with a writer of its own: the .xlsx and .ods
# files are put together by hand from their XML parts with the standard zipfile module, so that
# the program's reader is tried on files that its own writer did not make. Run it in this folder;
# it rewrites every file it makes, byte for byte the same each time.
import zipfile

FIXED_TIME = (2024, 1, 1, 0, 0, 0)


class Zip(zipfile.ZipFile):
    """A zip archive whose entries carry one fixed time, so the files come out the same."""

    def writestr(self, name, data, compress_type=None):
        info = name if isinstance(name, zipfile.ZipInfo) else zipfile.ZipInfo(name, FIXED_TIME)
        info.date_time = FIXED_TIME
        info.compress_type = compress_type if compress_type is not None else zipfile.ZIP_DEFLATED
        super().writestr(info, data)

def xlsx(path, sheets):
    # sheets: list of (name, rows); a cell is str, float/int, ('date', serial) or None
    strings=[]; index={}
    def sst(s):
        if s not in index: index[s]=len(strings); strings.append(s)
        return index[s]
    def col(c):
        s=''
        c+=1
        while c: c,r=divmod(c-1,26); s=chr(65+r)+s
        return s
    def esc(s): return s.replace('&','&amp;').replace('<','&lt;').replace('>','&gt;').replace('"','&quot;')
    z=Zip(path,'w')
    sheetxml=[]
    for si,(name,rows) in enumerate(sheets):
        out=['<?xml version="1.0" encoding="UTF-8" standalone="yes"?>\n<worksheet xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main"><sheetData>']
        for r,row in enumerate(rows):
            out.append('<row r="%d">'%(r+1))
            for c,v in enumerate(row):
                ref=col(c)+str(r+1)
                if v is None: continue
                if isinstance(v,tuple) and v[0]=='date': out.append('<c r="%s" s="1"><v>%s</v></c>'%(ref,v[1]))
                elif isinstance(v,tuple) and v[0]=='inline': out.append('<c r="%s" t="inlineStr"><is><t>%s</t></is></c>'%(ref,esc(v[1])))
                elif isinstance(v,tuple) and v[0]=='rich': out.append('<c r="%s" t="inlineStr"><is>%s</is></c>'%(ref,''.join('<r><rPr><b/></rPr><t xml:space="preserve">%s</t></r>'%esc(x) for x in v[1])))
                elif isinstance(v,tuple) and v[0]=='iso': out.append('<c r="%s" s="2"><v>%s</v></c>'%(ref,v[1]))
                elif isinstance(v,(int,float)): out.append('<c r="%s"><v>%s</v></c>'%(ref,v))
                else: out.append('<c r="%s" t="s"><v>%d</v></c>'%(ref,sst(v)))
            out.append('</row>')
        out.append('</sheetData></worksheet>')
        z.writestr('xl/worksheets/sheet%d.xml'%(si+1),''.join(out))
    ct=['<?xml version="1.0" encoding="UTF-8" standalone="yes"?>\n<Types xmlns="http://schemas.openxmlformats.org/package/2006/content-types"><Default Extension="rels" ContentType="application/vnd.openxmlformats-package.relationships+xml"/><Default Extension="xml" ContentType="application/xml"/><Override PartName="/xl/workbook.xml" ContentType="application/vnd.openxmlformats-officedocument.spreadsheetml.sheet.main+xml"/><Override PartName="/xl/styles.xml" ContentType="application/vnd.openxmlformats-officedocument.spreadsheetml.styles+xml"/><Override PartName="/xl/sharedStrings.xml" ContentType="application/vnd.openxmlformats-officedocument.spreadsheetml.sharedStrings+xml"/>']
    for si in range(len(sheets)): ct.append('<Override PartName="/xl/worksheets/sheet%d.xml" ContentType="application/vnd.openxmlformats-officedocument.spreadsheetml.worksheet+xml"/>'%(si+1))
    ct.append('</Types>')
    z.writestr('[Content_Types].xml',''.join(ct))
    z.writestr('_rels/.rels','<?xml version="1.0" encoding="UTF-8" standalone="yes"?>\n<Relationships xmlns="http://schemas.openxmlformats.org/package/2006/relationships"><Relationship Id="rId1" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/officeDocument" Target="xl/workbook.xml"/></Relationships>')
    wb=['<?xml version="1.0" encoding="UTF-8" standalone="yes"?>\n<workbook xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main" xmlns:r="http://schemas.openxmlformats.org/officeDocument/2006/relationships"><sheets>']
    rels=['<?xml version="1.0" encoding="UTF-8" standalone="yes"?>\n<Relationships xmlns="http://schemas.openxmlformats.org/package/2006/relationships">']
    for si,(name,rows) in enumerate(sheets):
        wb.append('<sheet name="%s" sheetId="%d" r:id="rId%d"/>'%(esc(name),si+1,si+1))
        rels.append('<Relationship Id="rId%d" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/worksheet" Target="worksheets/sheet%d.xml"/>'%(si+1,si+1))
    n=len(sheets)
    rels.append('<Relationship Id="rId%d" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/styles" Target="styles.xml"/>'%(n+1))
    rels.append('<Relationship Id="rId%d" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/sharedStrings" Target="sharedStrings.xml"/>'%(n+2))
    wb.append('</sheets></workbook>'); rels.append('</Relationships>')
    z.writestr('xl/workbook.xml',''.join(wb)); z.writestr('xl/_rels/workbook.xml.rels',''.join(rels))
    z.writestr('xl/styles.xml','<?xml version="1.0" encoding="UTF-8" standalone="yes"?>\n<styleSheet xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main"><numFmts count="1"><numFmt numFmtId="164" formatCode="yyyy\\-mm\\-dd"/></numFmts><fonts count="1"><font><sz val="11"/><name val="Calibri"/></font></fonts><fills count="1"><fill><patternFill patternType="none"/></fill></fills><borders count="1"><border/></borders><cellStyleXfs count="1"><xf numFmtId="0" fontId="0" fillId="0" borderId="0"/></cellStyleXfs><cellXfs count="3"><xf numFmtId="0" fontId="0" fillId="0" borderId="0" xfId="0"/><xf numFmtId="14" fontId="0" fillId="0" borderId="0" xfId="0" applyNumberFormat="1"/><xf numFmtId="164" fontId="0" fillId="0" borderId="0" xfId="0" applyNumberFormat="1"/></cellXfs></styleSheet>')
    sx=['<?xml version="1.0" encoding="UTF-8" standalone="yes"?>\n<sst xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main" count="%d" uniqueCount="%d">'%(len(strings),len(strings))]
    for s in strings: sx.append('<si><t xml:space="preserve">%s</t></si>'%esc(s))
    sx.append('</sst>')
    z.writestr('xl/sharedStrings.xml',''.join(sx))
    z.close()

def ods(path, sheets):
    def esc(s): return s.replace('&','&amp;').replace('<','&lt;').replace('>','&gt;').replace('"','&quot;')
    z=Zip(path,'w')
    z.writestr(zipfile.ZipInfo('mimetype'),'application/vnd.oasis.opendocument.spreadsheet',compress_type=zipfile.ZIP_STORED)
    z.writestr('META-INF/manifest.xml','<?xml version="1.0" encoding="UTF-8"?>\n<manifest:manifest xmlns:manifest="urn:oasis:names:tc:opendocument:xmlns:manifest:1.0" manifest:version="1.2"><manifest:file-entry manifest:full-path="/" manifest:media-type="application/vnd.oasis.opendocument.spreadsheet"/><manifest:file-entry manifest:full-path="content.xml" manifest:media-type="text/xml"/></manifest:manifest>')
    out=['<?xml version="1.0" encoding="UTF-8"?>\n<office:document-content xmlns:office="urn:oasis:names:tc:opendocument:xmlns:office:1.0" xmlns:table="urn:oasis:names:tc:opendocument:xmlns:table:1.0" xmlns:text="urn:oasis:names:tc:opendocument:xmlns:text:1.0" office:version="1.2"><office:body><office:spreadsheet>']
    for name,rows in sheets:
        out.append('<table:table table:name="%s">'%esc(name))
        for row in rows:
            out.append('<table:table-row>')
            for v in row:
                if v is None: out.append('<table:table-cell/>')
                elif isinstance(v,tuple) and v[0]=='odate': out.append('<table:table-cell office:value-type="date" office:date-value="%s"><text:p>%s</text:p></table:table-cell>'%(v[1],v[1]))
                elif isinstance(v,(int,float)): out.append('<table:table-cell office:value-type="float" office:value="%s"><text:p>%s</text:p></table:table-cell>'%(v,v))
                else: out.append('<table:table-cell office:value-type="string"><text:p>%s</text:p></table:table-cell>'%esc(v))
            out.append('</table:table-row>')
        out.append('</table:table>')
    out.append('</office:spreadsheet></office:body></office:document-content>')
    z.writestr('content.xml',''.join(out))
    z.close()


# Three sheets as an organisation keeps them: staff, courses, and who took what when. The dates
# are real date cells (built-in format 14, and a format of the file's own), an ISO text and an
# ambiguous text; some rows are dirty.
xlsx('records.xlsx', [
    ('Staff', [
        ['First Name', 'Last Name', 'Middle Name', 'Organization', 'Employee ID'],
        ['Ann', 'Lee', None, 'Plant 1', 'E-1'],
        ['José', 'Núñez', 'María', 'Plant 2', 1002],
        ['  Bob ', 'Li', None, None, None],
        [None, None, None, None, None],
        ['Ann', 'LEE', None, 'Plant 1', 'E-1'],
        ['Zoë', 'Ωmega', None, None, None],
        ['Christopher-Maximilian', 'Lee', None, None, None],
    ]),
    ('Courses', [
        ['Course Code', 'Course Name', 'Provided by', 'Hours'],
        ['FA-2', 'First Aid', 'Red Cross', 2.5],
        ['cpr', 'CPR Refresher', None, '4'],
        ['SAFE', 'Safety (heading)', None, 0],
        ['BAD', 'Bad hours', None, -3],
    ]),
    ('Training', [
        ['Employee ID', 'First Name', 'Last Name', 'Course Code', 'Date', 'Comments'],
        ['E-1', None, None, 'FA-2', ('date', 38061), 'Passed'],
        [1002, None, None, 'CPR', ('iso', 38426), '=SUM(A1)'],
        [None, 'bob', 'li', 'fa-2', '2004-03-16', None],
        [None, 'Bob', 'Li', 'FA-9', '03/15/2004', None],
        ['E-1', None, None, 'CPR', '31/31/2004', None],
        ['E-1', None, None, 'SAFE', '03/15/2004', None],
    ]),
])

# The training matrix as the program shows it: persons down, course codes across, the date of
# each training in its cell, and the count row at the end; as an OpenDocument spreadsheet.
ods('matrix.ods', [
    ('Training Matrix', [
        ['Name', 'FA-2', 'CPR', 'XYZ'],
        ['Ann Lee', ('odate', '2004-03-15'), None, None],
        ['José María Núñez', ('odate', '2004-03-15'), ('odate', '2005-01-02'), '01/05/2005'],
        ['Nobody Here', ('odate', '2004-03-15'), None, None],
        ['Persons trained', 3, 1, 1],
    ]),
])

# A CSV file as a spreadsheet program saves one: UTF-8 with a byte-order mark, CR LF line ends,
# quoted cells, text dates.
with open('training.csv', 'wb') as f:
    f.write('\ufeffFirst Name,Last Name,Course,Date,Hours,Comments\r\n'
            'Ann,Lee,FA-2,03/15/2004,2.5,"Passed, with merit"\r\n'
            'Bob,Li,FA-2,2004-03-16,2.5,"said ""fine"""\r\n'.encode('utf-8'))

# A CSV file in Windows-1252 with semicolons, as some spreadsheet programs save in Europe, with
# day-first dates.
with open('semicolons.csv', 'wb') as f:
    f.write('Nom;Prénom;Date\r\nNúñez;José;15/03/2004\r\n'.encode('cp1252'))

# Texts held in the cells themselves, as writers that stream their rows write them: plain, with
# the characters XML escapes, in runs of rich text, and with a line break escaped the .xlsx way.
xlsx('inline.xlsx', [
    ('Staff', [
        [('inline', 'First Name'), ('inline', 'Last Name'), ('inline', 'Date')],
        [('inline', 'Ann & <Bo>'), ('rich', ['Lee', '-Smith']), ('date', 38061)],
        [('inline', 'Line_x000D_\nbreak'), 'Shared', None],
    ]),
    ('Second', [[None, ('inline', 'B1 only')]]),
])
