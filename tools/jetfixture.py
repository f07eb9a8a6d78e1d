#!/usr/bin/env python3
"""jetfixture.py - a small writer of Microsoft Jet (.mdb) database files, for test fixtures.

Standard library only.  Writes Jet 4 (Access 2000-2003, 4 KiB pages, UCS-2 text)
and Jet 3 (Access 97, 2 KiB pages, single-byte text, cp1252 by default) files
that the mdbtools library (mdb-ver, mdb-tables, mdb-schema, mdb-export,
mdb-json) reads.

Written from the format notes in mdbtools' HACKING.md and from studying the
sample files of the mdbtools test-data repository (nwind.mdb, Jet 3, and
DateTestDatabase.mdb, Jet 4).  The database header page (page 0) reproduces
the header layout of those sample files (same constant fields, same creation
date and empty-password mask), re-encrypted with the fixed RC4 key.

What is written
  page 0   database header (RC4-masked area at 0x18)
  page 1   global free-page map (a data page holding two usage-map rows)
  page 2   MSysObjects TDEF (17 columns, as in Access), then MSysACEs,
           MSysQueries and MSysRelationships TDEFs (empty system tables)
  map pages: one data page per ~57 (Jet4) / 15 (Jet3) usage-map rows:
           every table has an "owned pages" map and a "pages with free space"
           map, and every memo/OLE column has the same pair for its LVAL pages
  for each user table: its TDEF page, its data pages, then its LVAL pages.
  MSysObjects rows: the standard containers (Tables, Databases, Relationships,
  Forms, ...), MSysDb, the four system tables and one row per user table.

Memo (and OLE) values are stored the three ways Jet stores them:
  inline in the row (encoded length <= 64 bytes), in one row of an LVAL page
  ("single page"), or as a chain of LVAL page rows ("multi page").
Jet 4 text is written with Jet's "unicode compression" (0xFF 0xFE prefix)
whenever that is possible and shorter; memos longer than 1024 characters are
never compressed (as Access does).

Limits (see also README in the fixtures folder)
  * no indexes at all (no primary key): readers that scan tables do not care,
    Access itself would want to rebuild/compact such a file;
  * property blobs (LvProp) only carry Required / AllowZeroLength /
    UnicodeCompression per column: no descriptions, formats, defaults, captions;
  * usage maps are inline "type 0" maps, or "type 1" maps pointing to 0x05
    bitmap pages when a table's pages spread over more than 512 (Jet4) /
    1024 (Jet3) pages (tested with a 3 MB, 1 200-row, ~750-page table);
  * one TDEF page per table (plenty for a few dozen columns);
  * types supported in rows: BOOL, BYTE, INT, LONG, MONEY (as integer
    ten-thousandths or Decimal), FLOAT, DOUBLE, DATETIME, BINARY, TEXT, OLE,
    MEMO.  No GUID/NUMERIC/autonumber generation.

Usage
  python3 jetfixture.py cuisine OUTDIR     # the Cuisine fixtures + expected JSON
  python3 jetfixture.py verify OUTDIR      # round-trip check with mdbtools
  python3 jetfixture.py json DESCRIPTION.json OUT.mdb [--jet3]
      DESCRIPTION.json: {"tables": [{"name": "T", "columns": [["Id","long"],
                   ["Nom","text",50], ["Notes","memo"]], "rows": [[1,"a",null]]}]}
"""

import datetime
import decimal
import json
import os
import struct
import sys

# ---------------------------------------------------------------- constants
BOOL, BYTE, INT, LONG, MONEY, FLOAT, DOUBLE, DATETIME = 1, 2, 3, 4, 5, 6, 7, 8
BINARY, TEXT, OLE, MEMO = 9, 10, 11, 12

TYPE_NAMES = {
    'bool': BOOL, 'boolean': BOOL, 'byte': BYTE, 'int': INT, 'integer': INT,
    'long': LONG, 'longint': LONG, 'money': MONEY, 'currency': MONEY,
    'float': FLOAT, 'single': FLOAT, 'double': DOUBLE, 'datetime': DATETIME,
    'date': DATETIME, 'binary': BINARY, 'text': TEXT, 'ole': OLE, 'memo': MEMO,
}
FIXED_SIZE = {BOOL: 1, BYTE: 1, INT: 2, LONG: 4, MONEY: 8, FLOAT: 4,
              DOUBLE: 8, DATETIME: 8}
LONG_VALUE_TYPES = (MEMO, OLE)

RC4_HEADER_KEY = bytes([0xC7, 0xDA, 0x39, 0x6B])
JET4_TABLE_MAGIC = 0x0659          # the "unknown" word seen in Jet4 TDEFs
SORT_GENERAL = 0x0409
INLINE_MAX = 64                    # long values up to this many bytes stay in the row
MEMO_COMPRESS_MAX_CHARS = 1024

# Decrypted header pages of the sample files (first non-zero bytes; the rest
# of the page is zero except for the last 0x200 bytes, see _header_page).
_JET4_HEADER = bytes.fromhex(
    '000100005374616e64617264204a65742044420001000000000100000101000002000000'
    '030000000400000005000000000000000000000000000000e40400000000f4ad0000f4ad'
    '0000f4ad0000f4ad0000f4ad0000f4ad0000f4ad0000f4ad0000f4ad0000f4ad0000a611'
    '000009040000a78ca6cd94bee54000000000000000000000000000000000000000000000'
    '000000000000000054060000342e30')
_JET4_TAIL = bytes.fromhex('08012701')
_JET3_HEADER = bytes.fromhex(
    '000100005374616e64617264204a65742044420000000000000100000101000002000000'
    '030000000400000005000000000000000000000000000904e40400000000000000000000'
    '0000000000000000000000000000520d')
_JET3_TAIL = bytes.fromhex('1a011101')


def rc4(key, data):
    s = list(range(256))
    j = 0
    for i in range(256):
        j = (j + s[i] + key[i % len(key)]) & 0xFF
        s[i], s[j] = s[j], s[i]
    i = j = 0
    out = bytearray()
    for c in data:
        i = (i + 1) & 0xFF
        j = (j + s[i]) & 0xFF
        s[i], s[j] = s[j], s[i]
        out.append(c ^ s[(s[i] + s[j]) & 0xFF])
    return bytes(out)


def ole_date(value):
    """datetime/date -> Jet date (days since 1899-12-30 as a double)."""
    if isinstance(value, (int, float)):
        return float(value)
    if isinstance(value, str):
        value = datetime.datetime.fromisoformat(value)
    if not isinstance(value, datetime.datetime):
        value = datetime.datetime(value.year, value.month, value.day)
    delta = value - datetime.datetime(1899, 12, 30)
    return delta.days + delta.seconds / 86400.0 + delta.microseconds / 86400e6


def compress_ucs2(text):
    """Jet4 'unicode compression'; None when the string cannot be compressed."""
    raw = text.encode('utf-16-le')
    out = bytearray(b'\xff\xfe')
    compressed = True
    for k in range(0, len(raw), 2):
        lo, hi = raw[k], raw[k + 1]
        if lo == 0:
            return None                  # U+xx00 cannot be represented
        if hi == 0:
            if not compressed:
                out.append(0)
                compressed = True
            out.append(lo)
        else:
            if compressed:
                out.append(0)
                compressed = False
            out += bytes((lo, hi))
    return bytes(out)


# ------------------------------------------------------------------- schema
class Column:
    def __init__(self, name, col_type, length=None, flags=None, compressed=None,
                 scale=0, precision=0):
        if isinstance(col_type, str):
            col_type = TYPE_NAMES[col_type.lower()]
        self.name = name
        self.type = col_type
        if col_type in (TEXT, BINARY):
            self.length = 255 if length is None else int(length)   # characters / bytes
        else:
            self.length = 0
        self.flags = flags
        self.compressed = compressed
        self.scale = scale
        self.precision = precision

    @property
    def fixed(self):
        return self.type in FIXED_SIZE

    def __repr__(self):
        return 'Column(%r, %d)' % (self.name, self.type)


class Table:
    def __init__(self, name, columns, rows=(), system=False, flags=None):
        self.name = name
        self.columns = [c if isinstance(c, Column) else Column(*c) for c in columns]
        self.rows = [self._normalise(r) for r in rows]
        self.system = system
        self.flags = (0x80000000 if system else 0) if flags is None else flags
        names = [c.name.lower() for c in self.columns]
        if len(set(names)) != len(names):
            raise ValueError('duplicate column names in %s' % name)

    def _normalise(self, row):
        if isinstance(row, dict):
            return [row.get(c.name) for c in self.columns]
        row = list(row)
        if len(row) != len(self.columns):
            raise ValueError('row has %d values, table %s has %d columns'
                             % (len(row), self.name, len(self.columns)))
        return row


def system_tables():
    """Column layouts of the Access system tables (as in the sample files)."""
    def c(name, t, length=None, flags=None):
        if flags is None:
            flags = 0x13 if t in FIXED_SIZE else 0x12
        return Column(name, t, length, flags=flags, compressed=False)
    objects = Table('MSysObjects', [
        c('Id', LONG), c('ParentId', LONG), c('Name', TEXT, 255), c('Type', INT),
        c('DateCreate', DATETIME), c('DateUpdate', DATETIME),
        c('Owner', BINARY, 255, 0x32), c('Flags', LONG), c('Database', MEMO),
        c('Connect', MEMO), c('ForeignName', TEXT, 255), c('RmtInfoShort', BINARY, 255),
        c('RmtInfoLong', OLE), c('Lv', OLE), c('LvProp', OLE), c('LvModule', OLE),
        c('LvExtra', OLE)], system=True)
    aces = Table('MSysACEs', [c('ObjectId', LONG), c('SID', BINARY, 255, 0x32),
                              c('ACM', LONG), c('FInheritable', BOOL)], system=True)
    queries = Table('MSysQueries', [
        c('ObjectId', LONG), c('Attribute', BYTE), c('Order', BINARY, 255),
        c('Name1', TEXT, 255), c('Name2', TEXT, 255), c('Expression', MEMO),
        c('Flag', INT)], system=True)
    rels = Table('MSysRelationships', [
        c('szRelationship', TEXT, 255), c('grbit', LONG), c('ccolumn', LONG),
        c('icolumn', LONG), c('szObject', TEXT, 255), c('szColumn', TEXT, 255),
        c('szReferencedObject', TEXT, 255), c('szReferencedColumn', TEXT, 255)],
        system=True)
    return objects, aces, queries, rels


# ------------------------------------------------------------------- pages
class Format:
    def __init__(self, version):
        if version not in (3, 4):
            raise ValueError('version must be 3 or 4')
        self.version = version
        self.jet4 = version == 4
        self.pg_size = 4096 if self.jet4 else 2048
        self.rco = 0x0C if self.jet4 else 0x08          # row count offset on data pages
        self.data_hdr = self.rco + 2                    # 14 / 10
        self.map_bytes = 64 if self.jet4 else 128       # bitmap bytes in a type-0 map
        self.max_row = self.pg_size - self.data_hdr - 2


class DataPage:
    """A data (or LVAL) page being filled; rows grow down from the end."""

    def __init__(self, fmt, number, owner):
        self.fmt = fmt
        self.number = number
        self.owner = owner          # tdef page number, or b'LVAL'
        self.rows = []

    def free(self):
        used = sum(len(r) for r in self.rows)
        return self.fmt.pg_size - self.fmt.data_hdr - 2 * len(self.rows) - used

    def fits(self, row):
        return len(self.rows) < 255 and self.free() >= len(row) + 2

    def add(self, row):
        if not self.fits(row):
            raise ValueError('row does not fit on page %d' % self.number)
        self.rows.append(bytes(row))
        return (self.number << 8) | (len(self.rows) - 1)

    def render(self):
        fmt = self.fmt
        page = bytearray(fmt.pg_size)
        page[0] = 0x01
        page[1] = 0x01
        struct.pack_into('<H', page, 2, self.free())
        if isinstance(self.owner, bytes):
            page[4:8] = self.owner
        else:
            struct.pack_into('<I', page, 4, self.owner)
        struct.pack_into('<H', page, fmt.rco, len(self.rows))
        end = fmt.pg_size
        for i, row in enumerate(self.rows):
            start = end - len(row)
            page[start:end] = row
            struct.pack_into('<H', page, fmt.rco + 2 + 2 * i, start)
            end = start
        return bytes(page)


class Database:
    def __init__(self, version=4, created=datetime.datetime(2024, 3, 15, 10, 30, 0),
                 jet3_codec='cp1252'):
        self.fmt = Format(version)
        self.created = created
        self.jet3_codec = jet3_codec
        self.tables = []
        self.stats = {}            # filled by to_bytes(): storage decisions taken

    def _count(self, key):
        self.stats[key] = self.stats.get(key, 0) + 1

    def add_table(self, table):
        self.tables.append(table)
        return table

    # ---------------------------------------------------------- encoding
    def encode_text(self, value, col, memo=False):
        if self.fmt.jet4:
            raw = value.encode('utf-16-le')
            allow = col.compressed if col.compressed is not None else True
            if memo and len(value) > MEMO_COMPRESS_MAX_CHARS:
                allow = False
            if allow and value:
                comp = compress_ucs2(value)
                if comp is not None and len(comp) < len(raw):
                    self._count('text_compressed')
                    return comp
            self._count('text_ucs2')
            return raw
        return value.encode(self.jet3_codec)

    def encode_fixed(self, col, value):
        t = col.type
        if t == BYTE:
            return struct.pack('<B', int(value))
        if t == INT:
            return struct.pack('<h', int(value))
        if t == LONG:
            v = int(value)
            if v >= 0x80000000:
                v -= 0x100000000
            return struct.pack('<i', v)
        if t == MONEY:
            if isinstance(value, (decimal.Decimal, float, str)):
                value = int((decimal.Decimal(str(value)) * 10000).to_integral_value())
            return struct.pack('<q', int(value))
        if t == FLOAT:
            return struct.pack('<f', float(value))
        if t == DOUBLE:
            return struct.pack('<d', float(value))
        if t == DATETIME:
            return struct.pack('<d', ole_date(value))
        raise ValueError('not a fixed type: %d' % t)

    # ------------------------------------------------------------ rows
    def pack_row(self, table, values, lval):
        """Build the on-page bytes of one row.  lval(col_index, bytes) stores a
        long value outside the row and returns its 12-byte memo header."""
        fmt = self.fmt
        cols = table.columns
        ncols = len(cols)
        notnull = [False] * ncols
        fixed = bytearray()
        var_cols = [i for i, c in enumerate(cols) if not c.fixed]
        for i, c in enumerate(cols):
            if not c.fixed or c.type == BOOL:
                continue
            v = values[i]
            if v is None:
                fixed += bytes(FIXED_SIZE[c.type])
            else:
                notnull[i] = True
                fixed += self.encode_fixed(c, v)
        for i, c in enumerate(cols):
            if c.type == BOOL:
                notnull[i] = bool(values[i])          # booleans live in the null mask
        hdr = 2 if fmt.jet4 else 1
        var_data = bytearray()
        offsets = []
        for i in var_cols:
            c = cols[i]
            v = values[i]
            offsets.append(hdr + len(fixed) + len(var_data))
            if v is None:
                continue
            notnull[i] = True
            if c.type == TEXT:
                b = self.encode_text(str(v), c)
                if len(b) > (2 * c.length + 2 if fmt.jet4 else c.length):
                    raise ValueError('%s.%s: value longer than %d characters'
                                     % (table.name, c.name, c.length))
                var_data += b
            elif c.type == BINARY:
                var_data += bytes(v)
            elif c.type in LONG_VALUE_TYPES:
                b = self.encode_text(str(v), c, memo=True) if c.type == MEMO else bytes(v)
                var_data += lval(i, b)
            else:
                raise ValueError('unsupported variable type %d' % c.type)
        mask = bytearray((ncols + 7) // 8)
        for i in range(ncols):
            if notnull[i]:
                mask[i // 8] |= 1 << (i % 8)
        row = bytearray()
        if fmt.jet4:
            row += struct.pack('<H', ncols) + fixed
            if not var_cols:
                return bytes(row + mask)
            row += var_data
            eod = len(row)
            row += struct.pack('<H', eod)
            for off in reversed(offsets):
                row += struct.pack('<H', off)
            row += struct.pack('<H', len(var_cols)) + mask
            return bytes(row)
        # Jet 3: one-byte offsets plus a jump table for rows over 256 bytes
        row += bytes([ncols]) + fixed
        if not var_cols:
            return bytes(row + mask)
        row += var_data
        eod = len(row)
        entries = offsets + [eod]                 # index nvar is eod
        nvar = len(var_cols)
        base = len(row) + 1 + nvar + 1 + len(mask)
        jumps = 0
        while True:
            need = (base + jumps - 1) // 256
            if need == jumps:
                break
            jumps = need
        real = eod // 256
        if not (jumps - 1 <= real <= jumps):
            raise ValueError('cannot build a Jet3 jump table for this row')
        jump_vals = []
        for k in range(1, real + 1):
            jump_vals.append(next(i for i, e in enumerate(entries) if e >= 256 * k))
        row += bytes([eod & 0xFF])
        for off in reversed(offsets):
            row += bytes([off & 0xFF])
        if jumps > real:
            row += b'\xff'                         # dummy entry
        for jv in reversed(jump_vals):             # jump[0] sits next to var_len
            row += bytes([jv])
        row += bytes([nvar]) + mask
        return bytes(row)

    # ----------------------------------------------------------- tdef
    def build_tdef(self, table, tdef_pg, nrows, maps, lv_maps):
        fmt = self.fmt
        cols = table.columns
        nvar = sum(1 for c in cols if not c.fixed)
        out = bytearray()
        if fmt.jet4:
            out += b'\x02\x01\x00\x00' + struct.pack('<I', 0)
            out += struct.pack('<I', 0)                      # tdef_len, patched below
            out += struct.pack('<I', JET4_TABLE_MAGIC)
            out += struct.pack('<II', nrows, 0)              # rows, next autonumber
            out += b'\x01\x00\x00\x00' + bytes(4) + bytes(8)
            out += bytes([0x53 if table.system else 0x4E])
            out += struct.pack('<HHH', len(cols), nvar, len(cols))
            out += struct.pack('<II', 0, 0)                  # indexes
            out += struct.pack('<II', maps[0], maps[1])
            assert len(out) == 63
        else:
            out += b'\x02\x01VC' + struct.pack('<I', 0)
            out += struct.pack('<I', 0)
            out += struct.pack('<II', nrows, 0)
            out += bytes([0x53 if table.system else 0x4E])
            out += struct.pack('<HHH', len(cols), nvar, len(cols))
            out += struct.pack('<II', 0, 0)
            out += struct.pack('<II', maps[0], maps[1])
            assert len(out) == 43
        fixed_off = 0
        var_num = 0
        for num, c in enumerate(cols):
            if c.flags is not None:
                flags = c.flags
            else:
                flags = 0x03 if c.fixed else 0x02
            size = FIXED_SIZE.get(c.type, 0)
            if c.type in (TEXT, BINARY):
                size = c.length * (2 if fmt.jet4 else 1)
            foff = fixed_off if c.fixed else 0
            voff = 0 if c.fixed else var_num
            if c.fixed and c.type != BOOL:
                fixed_off += FIXED_SIZE[c.type]
            if not c.fixed:
                var_num += 1
            rownum = 0 if table.system else num
            if c.type in (MONEY, FLOAT, DOUBLE):
                misc = bytes([c.scale, c.precision])
            else:
                misc = struct.pack('<H', SORT_GENERAL)
            if fmt.jet4:
                comp = c.compressed if c.compressed is not None else (c.type == TEXT)
                e = bytes([c.type]) + struct.pack('<IHHH', JET4_TABLE_MAGIC, num, voff, rownum)
                e += misc + b'\x00\x00' + bytes([flags, 0x01 if comp else 0x00])
                e += bytes(4) + struct.pack('<HH', foff, size)
                assert len(e) == 25
            else:
                e = bytes([c.type]) + struct.pack('<HHH', num, voff, rownum)
                e += b'\x00\x00' + misc + struct.pack('<H', 1252) + bytes([flags])
                e += struct.pack('<HH', foff, size)
                assert len(e) == 18
            out += e
        for c in cols:
            if fmt.jet4:
                nm = c.name.encode('utf-16-le')
                out += struct.pack('<H', len(nm)) + nm
            else:
                nm = c.name.encode(self.jet3_codec)
                out += bytes([len(nm)]) + nm
        for num, c in enumerate(cols):
            if c.type in LONG_VALUE_TYPES:
                used, free = lv_maps[num]
                out += struct.pack('<HII', num, used, free)
        out += b'\xff\xff'
        if len(out) > fmt.pg_size:
            raise ValueError('table definition of %s does not fit on one page' % table.name)
        struct.pack_into('<I', out, 8, len(out))
        if fmt.jet4:
            struct.pack_into('<H', out, 2, fmt.pg_size - len(out) - 8)
        page = bytearray(fmt.pg_size)
        page[:len(out)] = out
        return bytes(page)

    # ---------------------------------------------------------- maps
    def map_row(self, pages):
        """Usage-map row for a set of pages: an inline "type 0" bitmap when the
        pages fit in its window, else a "type 1" list of 0x05 bitmap pages."""
        fmt = self.fmt
        pages = sorted(set(pages))
        window = fmt.map_bytes * 8
        start = 0
        if pages and pages[-1] >= window:
            start = pages[0] & ~7
        if not pages or pages[-1] - start < window:
            bitmap = bytearray(fmt.map_bytes)
            for p in pages:
                bitmap[(p - start) // 8] |= 1 << ((p - start) % 8)
            return b'\x00' + struct.pack('<I', start) + bytes(bitmap)
        per_page = (fmt.pg_size - 4) * 8
        n_ptr = (5 + fmt.map_bytes - 1) // 4
        groups = {}
        for p in pages:
            groups.setdefault(p // per_page, []).append(p % per_page)
        if max(groups) >= n_ptr:
            raise ValueError('database too large for this writer')
        ptrs = [0] * n_ptr
        for ind, bits in sorted(groups.items()):
            page = bytearray(fmt.pg_size)
            page[0:2] = b'\x05\x01'
            for b in bits:
                page[4 + b // 8] |= 1 << (b % 8)
            num = self._alloc_raw_page(bytes(page))
            ptrs[ind] = num
        return b'\x01' + struct.pack('<%dI' % n_ptr, *ptrs)

    def build_props(self, table):
        """A small LvProp blob ('MR2' Jet4 / 'KKD' Jet3) with the per-column
        properties Access always writes: Required, AllowZeroLength and, in
        Jet4, UnicodeCompression."""
        jet4 = self.fmt.jet4

        def enc(x):
            return x.encode('utf-16-le') if jet4 else x.encode(self.jet3_codec)

        names = ['Required', 'AllowZeroLength'] + (['UnicodeCompression'] if jet4 else [])
        index = {n: i for i, n in enumerate(names)}

        def chunk(ctype, body):
            return struct.pack('<IH', 6 + len(body), ctype) + body

        def block(ctype, name, entries):
            nm = enc(name)
            body = struct.pack('<IH', 6 + len(nm), len(nm)) + nm
            for pname, dtype, val in entries:
                body += struct.pack('<HBBHH', 8 + len(val), 1, dtype, index[pname], len(val)) + val
            return chunk(ctype, body)

        out = [chunk(0x80, b''.join(struct.pack('<H', len(enc(n))) + enc(n) for n in names)),
               block(0x00, '', [])]
        for c in table.columns:
            entries = [('Required', BOOL, b'\x00')]
            if c.type in (TEXT, MEMO):
                entries.append(('AllowZeroLength', BOOL, b'\x01'))
                if jet4:
                    comp = c.compressed if c.compressed is not None else True
                    entries.append(('UnicodeCompression', BOOL, b'\x01' if comp else b'\x00'))
            out.append(block(0x01, c.name, entries))
        return (b'MR2\x00' if jet4 else b'KKD\x00') + b''.join(out)

    def _header_page(self):
        fmt = self.fmt
        page = bytearray(fmt.pg_size)
        head = _JET4_HEADER if fmt.jet4 else _JET3_HEADER
        tail = _JET4_TAIL if fmt.jet4 else _JET3_TAIL
        page[:len(head)] = head
        t = fmt.pg_size - 0x200
        page[t:t + 4] = tail
        for k in range(t + 4, fmt.pg_size, 2):
            page[k:k + 2] = b'\x00\x01'
        n = 128 if fmt.jet4 else 126
        page[0x18:0x18 + n] = rc4(RC4_HEADER_KEY, bytes(page[0x18:0x18 + n]))
        return bytes(page)

    # ---------------------------------------------------------- write
    def write(self, path):
        with open(path, 'wb') as f:
            f.write(self.to_bytes())

    def to_bytes(self):
        fmt = self.fmt
        systabs = system_tables()
        all_tables = list(systabs) + self.tables
        names = [t.name.lower() for t in all_tables]
        if len(set(names)) != len(names):
            raise ValueError('duplicate table names')

        # --- page numbers of the fixed part
        tdef_pg = {}
        for k, t in enumerate(systabs):
            tdef_pg[t.name] = 2 + k
        n_map_rows = sum(2 + 2 * sum(1 for c in t.columns if c.type in LONG_VALUE_TYPES)
                         for t in all_tables)
        map_row_len = 5 + fmt.map_bytes
        per_map_page = (fmt.pg_size - fmt.data_hdr) // (map_row_len + 2)
        n_map_pages = -(-n_map_rows // per_map_page)
        next_pg = 2 + len(systabs)
        map_pages = [DataPage(fmt, next_pg + k, 0) for k in range(n_map_pages)]
        next_pg += n_map_pages
        for t in self.tables:
            tdef_pg[t.name] = next_pg
            next_pg += 1

        pages = {}            # number -> bytes
        counter = [next_pg]

        def alloc_raw(data):
            pages[counter[0]] = data
            counter[0] += 1
            return counter[0] - 1
        self._alloc_raw_page = alloc_raw

        def new_page(owner):
            p = DataPage(fmt, counter[0], owner)
            counter[0] += 1
            return p

        # --- MSysObjects rows
        date = self.created
        cat_rows = []

        def cat(oid, parent, name, typ, flags):
            r = [None] * 17
            r[0], r[1], r[2], r[3] = oid, parent, name, typ
            r[4] = r[5] = date
            r[7] = flags
            cat_rows.append(r)
        cat(0x0F000001, 0x0F000000, 'Tables', 3, 0x80000000)
        cat(0x0F000002, 0x0F000000, 'Databases', 3, 0x80000000)
        cat(0x0F000003, 0x0F000000, 'Relationships', 3, 0x80000000)
        cat(0x10000000, 0x0F000002, 'MSysDb', 2, 0x80000000)
        for t in systabs:
            cat(tdef_pg[t.name], 0x0F000001, t.name, 1, 0x80000000)
        containers = ['Forms', 'Modules', 'Reports', 'Scripts', 'SysRel']
        if fmt.jet4:
            containers = ['DataAccessPages'] + containers
        for k, name in enumerate(containers):
            cat(0x80000000 + k, 0x0F000000, name, 3, 0)
        for t in self.tables:
            cat(tdef_pg[t.name], 0x0F000001, t.name, 1, t.flags)
            cat_rows[-1][14] = self.build_props(t)          # LvProp
        systabs[0].rows = [systabs[0]._normalise(r) for r in cat_rows]

        # --- data and LVAL pages of every table
        map_rows = {}          # table name -> (used, free) pg_row ; (name, col) -> ...
        all_map_rows = []      # (key, bytes), in the order they are stored

        for t in all_tables:
            tp = tdef_pg[t.name]
            data_pages = []
            lval_pages = {i: [] for i, c in enumerate(t.columns) if c.type in LONG_VALUE_TYPES}
            lval_current = {}

            def lval(col_index, data, _t=t, _lp=lval_pages, _cur=lval_current):
                n = len(data)
                if n <= INLINE_MAX:
                    self._count('lval_inline')
                    return struct.pack('<III', n | 0x80000000, 0, 0) + data
                if n <= fmt.max_row:
                    page = _cur.get(col_index)
                    if page is None or not page.fits(data):
                        page = new_page(b'LVAL')
                        _lp[col_index].append(page)
                        _cur[col_index] = page
                    pg_row = page.add(data)
                    self._count('lval_single_page')
                    return struct.pack('<III', n | 0x40000000, pg_row, 0)
                # multi page: pieces of (next pointer + chunk), one per fresh page
                chunk = fmt.max_row - 4
                pieces = [data[k:k + chunk] for k in range(0, n, chunk)]
                chain = [new_page(b'LVAL') for _ in pieces]
                _lp[col_index].extend(chain)
                for k, (pg, piece) in enumerate(zip(chain, pieces)):
                    nxt = (chain[k + 1].number << 8) if k + 1 < len(chain) else 0
                    pg.add(struct.pack('<I', nxt) + piece)
                if n >= 0x40000000:
                    raise ValueError('long value too large')
                self._count('lval_multi_page')
                self._count('lval_chain_pages_%d' % len(chain))
                return struct.pack('<III', n, chain[0].number << 8, 0)

            for values in t.rows:
                row = self.pack_row(t, values, lval)
                if len(row) > fmt.max_row:
                    raise ValueError('row too long for a %d-byte page in %s' % (fmt.pg_size, t.name))
                if not data_pages or not data_pages[-1].fits(row):
                    data_pages.append(new_page(tp))
                data_pages[-1].add(row)
            if not t.system:
                self.stats['%s_data_pages' % t.name] = len(data_pages)
                self.stats['%s_lval_pages' % t.name] = sum(len(v) for v in lval_pages.values())
            for p in data_pages:
                pages[p.number] = p
            for plist in lval_pages.values():
                for p in plist:
                    pages[p.number] = p
            used = [p.number for p in data_pages]
            free = [p.number for p in data_pages if p.free() > 0]
            all_map_rows.append(((t.name, 'used'), self.map_row(used)))
            all_map_rows.append(((t.name, 'free'), self.map_row(free)))
            for ci, plist in sorted(lval_pages.items()):
                lp = sorted(set(p.number for p in plist))
                lf = sorted(set(p.number for p in plist if p.free() > 0))
                all_map_rows.append(((t.name, ci, 'used'), self.map_row(lp)))
                all_map_rows.append(((t.name, ci, 'free'), self.map_row(lf)))
            t._data_pages = data_pages

        # --- store map rows on the map pages
        k = 0
        for key, row in all_map_rows:
            while not map_pages[k].fits(row):
                k += 1
            map_rows[key] = map_pages[k].add(row)

        # --- TDEF pages
        for t in all_tables:
            lv = {ci: (map_rows[(t.name, ci, 'used')], map_rows[(t.name, ci, 'free')])
                  for ci, c in enumerate(t.columns) if c.type in LONG_VALUE_TYPES}
            pages[tdef_pg[t.name]] = self.build_tdef(
                t, tdef_pg[t.name], len(t.rows),
                (map_rows[(t.name, 'used')], map_rows[(t.name, 'free')]), lv)
        for p in map_pages:
            pages[p.number] = p

        # --- page 1: global map of free pages (none) + an empty second map
        p1 = DataPage(fmt, 1, 1)
        p1.add(self.map_row([]))
        p1.add(bytes(5 + fmt.map_bytes))
        pages[1] = p1
        pages[0] = self._header_page()

        total = counter[0]
        out = bytearray()
        for n in range(total):
            p = pages.get(n)
            if p is None:
                raise AssertionError('page %d was never written' % n)
            out += p if isinstance(p, bytes) else p.render()
        return bytes(out)


# ============================================================ Cuisine fixture
CUISINE_COLUMNS = [
    Column('Numero', LONG),
    Column('Categorie', TEXT, 3),
    Column('Titre', TEXT, 100),
    Column('TempPrepa', TEXT, 25),
    Column('TempCuisson', TEXT, 25),
    Column('Difficulte', TEXT, 25),
    Column('Vin', TEXT, 35),
    Column('Ingrediant', MEMO),
    Column('Preparation', MEMO),
]

CRLF = '\r\n'

# (category, title, prep time, cooking time, difficulty, wine, ingredients, steps)
_RECIPES = [
    ('AGN', "Gigot d'agneau rôti à l'ail et au romarin", '20 min', '1 h 15', 'Facile', 'Pauillac',
     ["1 gigot d'agneau de 2 kg", "8 gousses d'ail", '3 branches de romarin', "4 cuillerées d'huile d'olive",
      'Sel, poivre du moulin'],
     ["Préchauffer le four à 220 °C.", "Piquer le gigot avec les gousses d'ail coupées en deux.",
      "Badigeonner d'huile, parsemer de romarin, saler et poivrer.",
      "Enfourner 15 minutes puis baisser à 180 °C et cuire encore 1 heure en arrosant souvent.",
      "Laisser reposer 10 minutes sous une feuille d'aluminium avant de trancher."]),
    ('AGN', "Navarin d'agneau printanier", '30 min', '1 h 30', 'Moyen', 'Côtes-du-Rhône',
     ["1,2 kg d'épaule d'agneau en morceaux", '12 petits navets', '12 carottes nouvelles',
      '250 g de petits pois écossés', '1 cuillerée de concentré de tomate', '1 bouquet garni'],
     ["Faire dorer la viande dans une cocotte, saupoudrer de farine et mélanger.",
      "Ajouter le concentré, mouiller à hauteur d'eau et déposer le bouquet garni.",
      "Laisser mijoter 1 heure à couvert, ajouter les légumes et poursuivre 30 minutes."]),
    ('AGN', "Souris d'agneau confites au miel", '15 min', '3 h', 'Facile', 'Madiran',
     ["4 souris d'agneau", '3 cuillerées de miel de lavande', '2 oignons', '1 tête d’ail',
      '50 cl de bouillon', 'Thym, laurier'],
     ["Saisir les souris sur toutes les faces.", "Ajouter oignons émincés, ail, herbes et bouillon.",
      "Napper de miel et cuire 3 heures à 150 °C, à couvert, en retournant la viande à mi-cuisson."]),
    ('AGN', "Curry d'agneau à la coriandre", '25 min', '1 h', 'Moyen', None,
     ["800 g de collier d'agneau", '2 cuillerées de pâte de curry', '40 cl de lait de coco',
      '1 bouquet de coriandre fraîche', '1 citron vert'],
     ["Faire revenir la viande, ajouter la pâte de curry et le lait de coco.",
      "Cuire 1 heure à feu doux, parsemer de coriandre ciselée et arroser de jus de citron."]),
    ('AGN', "Épaule d'agneau farcie aux abricots", '40 min', '2 h', 'Difficile', 'Saint-Émilion',
     ["1 épaule d'agneau désossée", '150 g d’abricots secs', '100 g de chair à saucisse',
      '1 œuf', '50 g de pignons de pin'],
     ["Hacher les abricots, les mélanger à la chair, à l'œuf et aux pignons.",
      "Farcir l'épaule, la ficeler et la rôtir 2 heures à 170 °C."]),
    ('AGN', "Brochettes d'agneau à la menthe", '20 min', '10 min', 'Facile', 'Rosé de Provence',
     ["600 g de gigot en cubes", '1 poivron rouge', '1 oignon rouge', '1 bouquet de menthe',
      'Huile, citron, cumin'],
     ["Mariner la viande 2 heures avec l'huile, le citron, le cumin et la menthe hachée.",
      "Monter les brochettes en alternant viande et légumes, griller 10 minutes."]),
    ('BOE', 'Bœuf bourguignon', '30 min', '3 h', 'Moyen', 'Bourgogne Pinot noir',
     ['1,5 kg de paleron et de macreuse', '75 cl de vin rouge de Bourgogne', '200 g de lardons',
      '250 g de champignons de Paris', '20 petits oignons', '2 carottes', '1 bouquet garni',
      '2 cuillerées de farine'],
     ["La veille, couper la viande en gros cubes et la faire mariner dans le vin avec les carottes.",
      "Égoutter la viande, la sécher et la faire dorer par petites quantités.",
      "Singer avec la farine, mouiller avec la marinade filtrée et cuire 3 heures à petit frémissement.",
      "Ajouter lardons, oignons glacés et champignons sautés 20 minutes avant la fin."]),
    ('BOE', 'Pot-au-feu à l’ancienne', '30 min', '3 h 30', 'Facile', 'Beaujolais',
     ['800 g de plat de côtes', '800 g de gîte', '2 os à moelle', '6 carottes', '4 poireaux',
      '4 navets', '1 oignon piqué de clous de girofle', 'Gros sel'],
     ["Mettre la viande dans l'eau froide, porter à ébullition et écumer soigneusement.",
      "Ajouter l'oignon, le bouquet garni et cuire 2 heures.",
      "Ajouter les légumes puis les os à moelle et poursuivre 1 h 30.",
      "Servir le bouillon en entrée, puis la viande avec moutarde, cornichons et gros sel."]),
    ('BOE', 'Entrecôte marchand de vin', '10 min', '10 min', 'Facile', 'Saint-Julien',
     ['2 entrecôtes de 300 g', '3 échalotes', '20 cl de vin rouge', '50 g de beurre', 'Fleur de sel'],
     ["Saisir les entrecôtes 3 minutes de chaque côté et les réserver au chaud.",
      "Faire fondre les échalotes dans la poêle, déglacer au vin et réduire de moitié.",
      "Monter la sauce au beurre et napper la viande."]),
    ('BOE', 'Carbonade flamande', '25 min', '2 h 30', 'Moyen', None,
     ['1,2 kg de joue de bœuf', '4 oignons', '75 cl de bière brune', '2 tranches de pain d’épices',
      '1 cuillerée de moutarde', '1 cuillerée de cassonade'],
     ["Dorer la viande, ajouter les oignons émincés et la cassonade.",
      "Tartiner le pain d'épices de moutarde et le poser sur la viande.",
      "Mouiller de bière et cuire 2 h 30 à couvert."]),
    ('BOE', 'Hachis Parmentier', '30 min', '30 min', 'Facile', 'Côtes-de-Bourg',
     ['600 g de bœuf haché', '1 kg de pommes de terre', '2 oignons', '25 cl de lait',
      '50 g de beurre', '80 g de gruyère râpé'],
     ["Cuire les pommes de terre et les réduire en purée avec le lait et le beurre.",
      "Faire revenir les oignons et la viande, assaisonner.",
      "Alterner viande et purée dans un plat, parsemer de fromage et gratiner 30 minutes."]),
    ('BOE', 'Tartare de bœuf au couteau', '20 min', None, 'Facile', 'Chinon',
     ['400 g de filet de bœuf très frais', '2 jaunes d’œufs', '2 échalotes', '1 cuillerée de câpres',
      'Cornichons, persil, Tabasco'],
     ["Hacher la viande au couteau.", "Mélanger avec les condiments hachés et les jaunes.",
      "Dresser à l'emporte-pièce et servir aussitôt avec des frites."]),
    ('BOE', 'Daube provençale', '30 min', '4 h', 'Moyen', 'Bandol',
     ['1,5 kg de bœuf à braiser', '1 bouteille de vin rouge corsé', "1 zeste d'orange séchée",
      '150 g de lard', '3 carottes', 'Olives noires'],
     ["Mariner la viande une nuit avec le vin, l'orange et les aromates.",
      "Cuire 4 heures à feu très doux dans une daubière fermée."]),
    ('DES', 'Tarte Tatin', '30 min', '45 min', 'Moyen', 'Coteaux-du-Layon',
     ['1 kg de pommes reinettes', '150 g de sucre', '100 g de beurre', '1 pâte brisée'],
     ["Faire un caramel blond avec le sucre et le beurre dans le moule.",
      "Y ranger les quartiers de pommes serrés et cuire 15 minutes sur le feu.",
      "Couvrir de pâte, cuire 30 minutes à 200 °C et démouler tiède."]),
    ('DES', 'Crème brûlée à la vanille', '15 min', '1 h', 'Facile', None,
     ['50 cl de crème liquide entière', '6 jaunes d’œufs', '100 g de sucre', '1 gousse de vanille',
      'Cassonade'],
     ["Infuser la vanille dans la crème chaude.", "Verser sur les jaunes blanchis avec le sucre.",
      "Cuire 1 heure à 100 °C, refroidir puis caraméliser la cassonade au chalumeau."]),
    ('DES', 'Mousse au chocolat noir', '20 min', None, 'Facile', 'Banyuls',
     ['200 g de chocolat noir à 70 %', '6 œufs', '1 pincée de sel', '30 g de sucre'],
     ["Faire fondre le chocolat au bain-marie.", "Incorporer les jaunes au chocolat tiédi.",
      "Monter les blancs en neige avec le sel et le sucre, les incorporer délicatement.",
      "Réserver au moins 4 heures au frais."]),
    ('DES', 'Clafoutis aux cerises', '15 min', '40 min', 'Facile', None,
     ['500 g de cerises noires', '3 œufs', '80 g de farine', '80 g de sucre', '30 cl de lait'],
     ["Disposer les cerises non dénoyautées dans un plat beurré.",
      "Verser la pâte et cuire 40 minutes à 180 °C."]),
    ('DES', 'Île flottante au caramel', '25 min', '15 min', 'Moyen', None,
     ['1 l de lait', '8 œufs', '200 g de sucre', '1 gousse de vanille'],
     ["Préparer une crème anglaise avec le lait, les jaunes et 100 g de sucre.",
      "Pocher les blancs montés en neige par cuillerées dans le lait frémissant.",
      "Dresser sur la crème et napper de caramel."]),
    ('DES', 'Paris-Brest', '1 h', '40 min', 'Difficile', 'Champagne demi-sec',
     ['Pâte à choux : 25 cl d’eau, 100 g de beurre, 150 g de farine, 4 œufs',
      'Crème mousseline praliné : 50 cl de lait, 150 g de praliné, 200 g de beurre',
      'Amandes effilées, sucre glace'],
     ["Dresser une couronne de pâte à choux, parsemer d'amandes et cuire 40 minutes.",
      "Couper la couronne en deux et garnir de crème mousseline au praliné.",
      "Saupoudrer de sucre glace."]),
    ('DES', 'Far breton aux pruneaux', '15 min', '1 h', 'Facile', 'Cidre brut',
     ['250 g de pruneaux', '4 œufs', '125 g de farine', '150 g de sucre', '75 cl de lait', '1 cuillerée de rhum'],
     ["Mélanger farine, sucre et œufs, puis délayer avec le lait et le rhum.",
      "Verser sur les pruneaux et cuire 1 heure à 200 °C."]),
    ('PAI', 'Pain de campagne au levain', '30 min', '45 min', 'Difficile', None,
     ['500 g de farine de blé T80', '150 g de levain actif', '350 g d’eau', '10 g de sel'],
     ["Mélanger farine et eau, laisser reposer 1 heure (autolyse).",
      "Ajouter levain et sel, pétrir puis rabattre la pâte toutes les 30 minutes pendant 3 heures.",
      "Façonner, laisser pousser une nuit au frais et cuire 45 minutes à 240 °C en cocotte."]),
    ('PAI', 'Baguette tradition', '20 min', '25 min', 'Difficile', None,
     ['500 g de farine T65', '350 g d’eau', '10 g de sel', '3 g de levure fraîche'],
     ["Pétrir longuement, pointer 2 heures puis diviser en trois pâtons.",
      "Façonner les baguettes, laisser lever 1 heure, grigner et cuire avec de la vapeur."]),
    ('PAI', 'Fougasse aux olives', '20 min', '20 min', 'Moyen', 'Rosé de Provence',
     ['500 g de farine', '30 cl d’eau tiède', '15 g de levure', "5 cuillerées d'huile d'olive",
      '100 g d’olives noires dénoyautées', 'Herbes de Provence'],
     ["Préparer une pâte souple avec l'huile et la levure, incorporer les olives.",
      "Étaler en forme de feuille, pratiquer des entailles et cuire 20 minutes à 220 °C."]),
    ('PAI', 'Brioche tressée au beurre', '40 min', '30 min', 'Moyen', None,
     ['500 g de farine', '6 œufs', '250 g de beurre mou', '60 g de sucre', '20 g de levure', '1 pincée de sel'],
     ["Pétrir farine, œufs, sucre et levure, puis incorporer le beurre petit à petit.",
      "Laisser lever, tresser trois boudins, dorer à l'œuf et cuire 30 minutes à 180 °C."]),
    ('PAI', 'Pain d’épices de Dijon', '20 min', '1 h', 'Facile', None,
     ['250 g de farine de seigle', '250 g de miel', '1 cuillerée de bicarbonate', '1 cuillerée de quatre-épices',
      '1 zeste d’orange', '12 cl de lait'],
     ["Chauffer le miel et le lait, verser sur la farine et les épices.",
      "Cuire 1 heure à 160 °C et attendre le lendemain pour le déguster."]),
    ('PAI', 'Pain de mie moelleux', '25 min', '35 min', 'Facile', None,
     ['500 g de farine', '30 cl de lait', '40 g de beurre', '20 g de sucre', '10 g de sel', '10 g de levure'],
     ["Pétrir tous les ingrédients, laisser lever 1 h 30.",
      "Mettre en moule, laisser doubler de volume et cuire 35 minutes à 180 °C."]),
    ('NOU', 'Nouilles sautées au bœuf et aux légumes', '20 min', '10 min', 'Facile', None,
     ['300 g de nouilles de blé', '300 g de rumsteck', '1 poivron', '2 carottes', '100 g de pousses de soja',
      '4 cuillerées de sauce soja'],
     ["Cuire les nouilles, les égoutter.", "Sauter la viande émincée au wok, puis les légumes.",
      "Ajouter nouilles et sauce soja et faire sauter 2 minutes à feu vif."]),
    ('NOU', 'Tagliatelles fraîches aux cèpes', '30 min', '15 min', 'Moyen', 'Pessac-Léognan',
     ['400 g de farine', '4 œufs', '500 g de cèpes', '2 échalotes', '20 cl de crème fraîche', 'Persil plat'],
     ["Préparer la pâte, l'abaisser finement et la détailler en tagliatelles.",
      "Poêler les cèpes avec les échalotes, ajouter la crème.",
      "Cuire les pâtes 2 minutes et les mélanger à la sauce."]),
    ('NOU', 'Gratin de macaronis au jambon', '15 min', '25 min', 'Facile', 'Mâcon blanc',
     ['300 g de macaronis', '4 tranches de jambon blanc', '50 cl de béchamel', '100 g de comté râpé'],
     ["Cuire les macaronis al dente.", "Mélanger avec le jambon en dés et la béchamel.",
      "Parsemer de comté et gratiner 25 minutes."]),
    ('NOU', 'Soupe de nouilles au poulet façon pho', '30 min', '2 h', 'Moyen', None,
     ['1 carcasse de poulet', '200 g de nouilles de riz', '2 blancs de poulet', '1 oignon brûlé',
      'Anis étoilé, cannelle, gingembre', 'Coriandre, menthe, citron vert'],
     ["Préparer un bouillon parfumé avec la carcasse, l'oignon et les épices.",
      "Verser le bouillon brûlant sur les nouilles et le poulet émincé.",
      "Servir avec les herbes fraîches."]),
    ('NOU', 'Lasagnes à la bolognaise', '45 min', '45 min', 'Moyen', 'Chianti',
     ['12 feuilles de lasagne', '500 g de bœuf haché', '800 g de tomates concassées', '50 cl de béchamel',
      '100 g de parmesan', '1 oignon, 1 carotte, 1 branche de céleri'],
     ["Préparer la sauce bolognaise et la laisser mijoter 1 heure.",
      "Monter les lasagnes en alternant pâtes, sauce et béchamel.",
      "Terminer par le parmesan et cuire 45 minutes à 180 °C."]),
    ('NOU', 'Spätzle poêlés à l’oignon', '20 min', '15 min', 'Facile', 'Riesling',
     ['300 g de farine', '3 œufs', '15 cl d’eau gazeuse', '2 oignons', '40 g de beurre', 'Muscade'],
     ["Battre la pâte et la faire tomber dans l'eau bouillante à travers une râpe à spätzle.",
      "Égoutter et faire dorer au beurre avec les oignons."]),
    ('VER', 'Velouté de potimarron', '20 min', '30 min', 'Facile', None,
     ['1 potimarron', '1 oignon', '1 l de bouillon de légumes', '20 cl de crème', 'Noix de muscade'],
     ["Couper le potimarron en dés sans l'éplucher.", "Cuire 30 minutes dans le bouillon avec l'oignon.",
      "Mixer, ajouter la crème et rectifier l'assaisonnement."]),
    ('VER', 'Ratatouille niçoise', '40 min', '1 h', 'Facile', 'Côtes-de-Provence',
     ['2 aubergines', '3 courgettes', '2 poivrons', '6 tomates', '2 oignons', '4 gousses d’ail',
      "Huile d'olive, thym, laurier"],
     ["Cuire chaque légume séparément à l'huile d'olive.", "Les réunir dans une cocotte avec les aromates.",
      "Laisser mijoter 1 heure à feu doux."]),
    ('VER', 'Gratin dauphinois', '20 min', '1 h 15', 'Facile', 'Crozes-Hermitage',
     ['1,5 kg de pommes de terre', '50 cl de lait', '50 cl de crème', '2 gousses d’ail', 'Muscade'],
     ["Émincer finement les pommes de terre sans les laver.", "Les cuire 10 minutes dans le lait et la crème.",
      "Verser dans un plat frotté d'ail et cuire 1 h 15 à 150 °C."]),
    ('VER', 'Salade niçoise', '25 min', '10 min', 'Facile', 'Bellet rosé',
     ['4 tomates', '4 œufs durs', '200 g de thon', '12 filets d’anchois', '1 poivron vert', 'Olives de Nice',
      'Févettes, cébettes'],
     ["Disposer les légumes crus coupés dans un grand plat.", "Ajouter œufs, thon, anchois et olives.",
      "Arroser d'huile d'olive au moment de servir."]),
    ('VER', 'Tian de légumes du soleil', '25 min', '1 h', 'Facile', None,
     ['2 courgettes', '2 aubergines', '4 tomates', '2 oignons', 'Thym frais', "Huile d'olive"],
     ["Trancher les légumes en rondelles régulières.",
      "Les ranger debout en les alternant dans un plat huilé.", "Cuire 1 heure à 180 °C."]),
    ('VER', 'Poireaux vinaigrette', '10 min', '20 min', 'Facile', None,
     ['8 jeunes poireaux', '1 cuillerée de moutarde', '3 cuillerées de vinaigre', '6 cuillerées d’huile', '1 œuf dur'],
     ["Cuire les blancs de poireaux 20 minutes à l'eau salée.", "Les égoutter et les napper de vinaigrette.",
      "Parsemer d'œuf dur haché."]),
    ('VER', 'Quiche aux épinards et au chèvre', '20 min', '35 min', 'Facile', 'Sancerre',
     ['1 pâte brisée', '400 g d’épinards', '150 g de chèvre frais', '3 œufs', '20 cl de crème'],
     ["Faire tomber les épinards à la poêle.", "Garnir le fond de tarte d'épinards et de chèvre.",
      "Verser l'appareil œufs-crème et cuire 35 minutes à 180 °C."]),
]

_LONG_NOTES = [
    "Conseils du chef : choisissez des produits de saison, achetés de préférence chez un artisan "
    "qui saura vous renseigner sur leur provenance. Sortez les viandes du réfrigérateur une heure "
    "avant la cuisson afin qu'elles soient à température ambiante ; la cuisson sera plus régulière "
    "et la chair restera moelleuse.",
    "Pour le matériel, une cocotte en fonte émaillée est idéale : elle répartit la chaleur de façon "
    "homogène et conserve les sucs. À défaut, un faitout à fond épais fera l'affaire, à condition de "
    "surveiller la cuisson et de remuer de temps en temps avec une cuillère en bois.",
    "Le choix de l'assaisonnement est essentiel. Salez en début de cuisson pour les viandes braisées, "
    "mais poivrez plutôt à la fin, car le poivre chauffé trop longtemps devient âcre. Goûtez toujours "
    "la sauce avant de servir et rectifiez si nécessaire avec une pointe de sel ou un trait de vinaigre.",
    "Préparation à l'avance : ce plat est encore meilleur réchauffé. Préparez-le la veille, laissez-le "
    "refroidir puis placez-le au réfrigérateur. Le lendemain, dégraissez la surface, réchauffez à feu "
    "doux pendant vingt à trente minutes et ajoutez un peu de bouillon si la sauce a trop épaissi.",
    "Variante : remplacez une partie du liquide par un fond de veau maison, ou ajoutez en fin de cuisson "
    "une poignée de champignons sautés au beurre, quelques lardons rissolés ou des petits oignons glacés. "
    "Les amateurs de saveurs plus franches pourront relever le tout d'une cuillerée de moutarde à l'ancienne.",
    "Accompagnements : des pommes de terre vapeur, une purée maison, des pâtes fraîches ou simplement "
    "du bon pain de campagne pour saucer. En été, une salade croquante à l'huile de noix apporte une "
    "fraîcheur bienvenue ; en hiver, préférez des légumes racines rôtis au four.",
    "Service : présentez le plat dans sa cocotte, directement à table, et parsemez au dernier moment "
    "d'herbes fraîches ciselées (persil plat, cerfeuil ou ciboulette). Prévoyez des assiettes chaudes : "
    "rien n'est plus décevant qu'une sauce qui fige avant la première bouchée.",
    "Conservation : trois jours au réfrigérateur dans une boîte hermétique, ou deux mois au congélateur. "
    "Décongelez lentement au réfrigérateur pendant une nuit avant de réchauffer. Évitez le four à "
    "micro-ondes, qui dessèche la viande et fait tourner les sauces liées à la crème.",
    "Astuce de grand-mère : une croûte de pain frottée d'ail, glissée dans la cocotte en fin de cuisson, "
    "parfume délicatement la sauce et l'épaissit légèrement. Retirez-la avant de servir. Pour les "
    "desserts, une pincée de fleur de sel réveille le goût du caramel et du chocolat.",
    "Le vin : servez le vin conseillé légèrement rafraîchi, vers 16 °C pour les rouges et 10 °C pour les "
    "blancs. Ouvrez la bouteille une heure à l'avance, ou carafez-la s'il s'agit d'un vin jeune et tannique. "
    "Le même vin peut d'ailleurs servir à la cuisson, c'est la meilleure garantie d'un accord réussi.",
    "Budget et saison : comptez une dépense modérée. Les morceaux à braiser, moins nobles que les pièces "
    "à griller, sont aussi les plus savoureux lorsqu'on leur laisse le temps de cuire. N'hésitez pas à "
    "demander conseil à votre boucher, qui préparera volontiers la viande à votre place.",
    "Œnologie et gastronomie se rejoignent ici : l'équilibre entre l'acidité, le gras et l'amertume fait "
    "tout le charme de cette recette traditionnelle, transmise de génération en génération dans les "
    "cuisines familiales, des fermes de Bourgogne aux bistrots parisiens.",
]

_LONG_INGREDIENT_EXTRAS = [
    "Pour la garniture aromatique : 2 oignons, 2 carottes, 1 branche de céleri, 3 gousses d'ail, "
    "1 bouquet garni (thym, laurier, queues de persil).",
    "Pour la sauce : 30 g de beurre, 30 g de farine, 50 cl de bouillon de bœuf, 1 cuillerée de "
    "concentré de tomate, sel et poivre du moulin.",
    "Pour servir : persil plat ciselé, croûtons frottés à l'ail, fleur de sel de Guérande.",
    "Matériel : une cocotte en fonte, une passoire fine, une écumoire, du papier sulfurisé.",
]


def cuisine_rows():
    rows = []
    for n, (code, title, prep, cook, diff, wine, ingr, steps) in enumerate(_RECIPES, start=1):
        ingredients = CRLF.join('- ' + x for x in ingr)
        prep_text = CRLF.join('%d. %s' % (k, s) for k, s in enumerate(steps, start=1))
        if n in (1, 7, 14, 21):
            # long memos (>= 3000 characters) stored as multi-page LVAL chains
            prep_text += CRLF + CRLF + (CRLF + CRLF).join(_LONG_NOTES)
            ingredients += CRLF + CRLF + CRLF.join(_LONG_INGREDIENT_EXTRAS)
            ingredients += CRLF + CRLF + (CRLF).join(_LONG_NOTES[:9])
        rows.append([n, code, title, prep, cook, diff, wine, ingredients, prep_text])
    # a few special cases at the end
    n = len(rows) + 1
    rows.append([n, 'DES', 'Œufs à la neige « façon grand-mère »', '15 min', '10 min', 'Facile', None,
                 'Œufs', 'Voir la recette de l’île flottante.'])
    rows.append([n + 1, 'VER', 'Crudités du marché', '10 min', None, None, None, None, None])
    return rows


def cuisine_table(with_rows=True):
    return Table('Cuisine', CUISINE_COLUMNS, cuisine_rows() if with_rows else [])


def build_cuisine(outdir):
    os.makedirs(outdir, exist_ok=True)
    made = []
    for fname, version, rows in (('cuisine-jet4.mdb', 4, True),
                                 ('cuisine-jet4-empty.mdb', 4, False),
                                 ('cuisine-jet3.mdb', 3, True)):
        db = Database(version)
        db.add_table(cuisine_table(rows))
        path = os.path.join(outdir, fname)
        db.write(path)
        made.append(path)
        print('%s: %s' % (fname, ', '.join('%s=%d' % kv for kv in sorted(db.stats.items()))))
    expected = {
        'table': 'Cuisine',
        'columns': [c.name for c in CUISINE_COLUMNS],
        'rows': cuisine_rows(),
    }
    path = os.path.join(outdir, 'cuisine-expected.json')
    with open(path, 'w', encoding='utf-8') as f:
        json.dump(expected, f, ensure_ascii=False, indent=1)
        f.write('\n')
    made.append(path)
    return made


def build_from_json(description_path, out_path, version):
    with open(description_path, encoding='utf-8') as f:
        description = json.load(f)
    db = Database(version)
    for t in description['tables']:
        cols = [Column(*c) if isinstance(c, list) else Column(**c) for c in t['columns']]
        db.add_table(Table(t['name'], cols, t.get('rows', [])))
    db.write(out_path)


def verify(directory):
    """Round-trip check of the Cuisine fixtures with the mdbtools programs
    (mdb-ver, mdb-tables, mdb-schema, mdb-export, mdb-json) found on PATH."""
    import csv
    import io
    import subprocess
    with open(os.path.join(directory, 'cuisine-expected.json'), encoding='utf-8') as f:
        exp = json.load(f)
    cols = exp['columns']
    all_ok = True

    def run(*args):
        p = subprocess.run(args, capture_output=True)
        err = p.stderr.decode('utf-8', 'replace')
        if p.returncode or err:
            print('   %s: rc=%d stderr=%r' % (' '.join(args), p.returncode, err[:300]))
        return p.stdout.decode('utf-8'), p.returncode == 0 and not err

    for fname, want_ver in (('cuisine-jet4.mdb', 'JET4'), ('cuisine-jet4-empty.mdb', 'JET4'),
                            ('cuisine-jet3.mdb', 'JET3')):
        path = os.path.join(directory, fname)
        rows = [] if 'empty' in fname else exp['rows']
        ver, ok1 = run('mdb-ver', path)
        tables, ok2 = run('mdb-tables', '-1', path)
        schema, ok3 = run('mdb-schema', path, 'sqlite')
        csv_text, ok4 = run('mdb-export', path, 'Cuisine')
        json_text, ok5 = run('mdb-json', path, 'Cuisine')
        got = list(csv.reader(io.StringIO(csv_text, newline='')))
        want_csv = [cols] + [['' if v is None else str(v) for v in r] for r in rows]
        got_json = [json.loads(line) for line in json_text.splitlines() if line.strip()]
        want_json = [{c: v for c, v in zip(cols, r) if v is not None} for r in rows]
        checks = {
            'version': ver.strip() == want_ver,
            'tables': tables.split() == ['Cuisine'],
            'schema': all(('`%s`' % c) in schema for c in cols),
            'csv': got == want_csv,
            'json': got_json == want_json,
            'quiet': ok1 and ok2 and ok3 and ok4 and ok5,
        }
        longest = max([len(v) for r in rows for v in r if isinstance(v, str)] or [0])
        print('%-24s %s rows=%d longest=%d %s' % (
            fname, ver.strip(), len(got) - 1, longest,
            ' '.join('%s=%s' % (k, 'ok' if v else 'FAIL') for k, v in checks.items())))
        all_ok = all_ok and all(checks.values())
    print('ALL OK' if all_ok else 'FAILED')
    return 0 if all_ok else 1


def main(argv):
    if len(argv) >= 2 and argv[0] == 'cuisine':
        for p in build_cuisine(argv[1]):
            print('%s\t%d bytes' % (p, os.path.getsize(p)))
        return 0
    if len(argv) >= 2 and argv[0] == 'verify':
        return verify(argv[1])
    if len(argv) >= 3 and argv[0] == 'json':
        build_from_json(argv[1], argv[2], 3 if '--jet3' in argv[3:] else 4)
        return 0
    sys.stderr.write(__doc__)
    return 2


if __name__ == '__main__':
    sys.exit(main(sys.argv[1:]))
