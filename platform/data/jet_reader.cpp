#include "platform/data/jet_reader.h"

#include <iconv.h>
#include <mdbtools.h>

#include <QFile>
#include <algorithm>
#include <cstdint>

#include "platform/core/error.h"

namespace platform::data {

namespace {

// The bits of a row's offset that are the offset itself, without the deleted and lookup flags.
constexpr int kOffsetMask = 0x1fff;
// The first four bytes of a memo field: its length in the low 30 bits, flags above.
constexpr std::uint32_t kMemoLengthMask = 0x3fffffff;
constexpr std::uint32_t kMemoInline = 0x80000000;
constexpr std::uint32_t kMemoSinglePage = 0x40000000;

[[noreturn]] void refuse(int number, const QString& reason, const QString& name) {
    throw Error(number, QStringLiteral("%1 : « %2 »").arg(reason, name));
}

// The library takes its encodings from environment variables (MDBICONV, MDB_JET3_CHARSET);
// they are pinned here so that a user's environment never changes the text read. Jet 3 stores
// single-byte text of the Windows code page of western Europe, Jet 4 UTF-16 (which the library
// first expands from Jet's "unicode compression").
void pinEncodings(MdbHandle* mdb) {
    mdb_iconv_close(mdb);
    const char* stored = IS_JET3(mdb) ? "CP1252" : "UTF-16LE";
    mdb->iconv_in = iconv_open("UTF-8", stored);
    mdb->iconv_out = iconv_open(stored, "UTF-8");
}

}  // namespace

void damaged(const QString& detail, const QString& name) {
    refuse(err::DatabaseDamaged,
           QStringLiteral("La base de données est endommagée (%1)").arg(detail), name);
}

struct JetReader::State {
    QString name;                    // the file's name as the caller wrote it, for messages
    QFile file;                      // the file, mapped into memory while the library reads it
    MdbHandle* mdb = nullptr;        // the open file
    MdbTableDef* table = nullptr;    // the table, its columns read
    std::vector<unsigned> selected;  // indexes of the columns next() reads
    std::vector<MdbField> fields;    // the current row cracked into fields, one per column
    unsigned rowsRead = 0;           // rows returned so far

    ~State() {
        if (table != nullptr) {
            mdb_free_tabledef(table);
        }
        if (mdb != nullptr) {
            mdb_close(mdb);
        }
    }

    MdbColumn* column(unsigned index) const {
        return static_cast<MdbColumn*>(g_ptr_array_index(table->columns, index));
    }

    // The text of the field of `size` bytes at `start` of the current page, converted by the
    // library; `storedBytes` is the length of the text as stored (for a memo, beyond the row).
    QString text(int type, int start, int size, size_t storedBytes) const;
    // A memo's text, checked to be whole: a broken chain of pages would else give a shorter text.
    Value memo(const MdbField& field) const;
    Value value(unsigned index) const;
    // Chooses the columns next() reads; 3265 for a name the table lacks.
    void select(const QStringList& names);
};

QString JetReader::State::text(int type, int start, int size, size_t storedBytes) const {
    // The library writes at most its bind size of UTF-8 and cuts the rest silently; a stored
    // byte never gives more than three, so this size never cuts a text.
    mdb_set_bind_size(mdb, 3 * storedBytes + 16);
    char* converted = mdb_col_to_string(mdb, mdb->pg_buf, start, type, size);
    QString result = QString::fromUtf8(converted);
    g_free(converted);
    return result;
}

Value JetReader::State::memo(const MdbField& field) const {
    if (field.siz < MDB_MEMO_OVERHEAD) {
        if (field.siz == 0) {
            return QString();
        }
        damaged(QStringLiteral("texte long illisible"), name);
    }
    const auto header = static_cast<std::uint32_t>(mdb_get_int32(mdb->pg_buf, field.start));
    const std::uint32_t storedBytes = header & kMemoLengthMask;
    const QString result = text(MDB_MEMO, field.start, field.siz, storedBytes);

    // Where the stored bytes tell the length of the text, it must be met exactly: Jet 3 stores
    // one byte a character, Jet 4 two, unless the text is compressed (it then starts with
    // FF FE), which Access does only for short texts that fit one page.
    bool compressed = false;
    if (!IS_JET3(mdb) && storedBytes >= 2) {
        const unsigned char* data = nullptr;
        if (header & kMemoInline) {
            data = mdb->pg_buf + field.start + MDB_MEMO_OVERHEAD;
        } else {
            void* page = nullptr;
            int offset = 0;
            size_t length = 0;
            const auto pageRow = static_cast<int>(mdb_get_int32(mdb->pg_buf, field.start + 4));
            if (mdb_find_pg_row(mdb, pageRow, &page, &offset, &length) != 0 || length < 6) {
                damaged(QStringLiteral("texte long introuvable"), name);
            }
            const int chainLink = (header & kMemoSinglePage) ? 0 : 4;
            data = static_cast<const unsigned char*>(page) + offset + chainLink;
        }
        compressed = data[0] == 0xff && data[1] == 0xfe;
    }
    const qsizetype expected = IS_JET3(mdb) ? storedBytes : storedBytes / 2;
    if ((compressed && storedBytes > 0 && result.isEmpty()) ||
        (!compressed && result.size() != expected)) {
        damaged(QStringLiteral("texte long incomplet : %1 caractères lus sur %2")
                    .arg(result.size())
                    .arg(expected),
                name);
    }
    return result;
}

Value JetReader::State::value(unsigned index) const {
    const MdbColumn* col = column(index);
    const auto found = std::find_if(fields.begin(), fields.end(),
                                    [index](const MdbField& f) { return f.colnum == int(index); });
    if (found == fields.end()) {
        damaged(QStringLiteral("champ %1 absent d'une fiche").arg(QString::fromUtf8(col->name)),
                name);
    }
    const MdbField& field = *found;
    if (field.is_null) {
        return {};
    }
    switch (col->col_type) {
        case MDB_BYTE:
            return static_cast<long long>(mdb_get_byte(mdb->pg_buf, field.start));
        case MDB_INT:
            return static_cast<long long>(
                static_cast<std::int16_t>(mdb_get_int16(mdb->pg_buf, field.start)));
        case MDB_LONGINT:
            return static_cast<long long>(
                static_cast<std::int32_t>(mdb_get_int32(mdb->pg_buf, field.start)));
        case MDB_TEXT:
            return text(MDB_TEXT, field.start, field.siz, field.siz);
        default:
            return memo(field);  // select() let no other type through
    }
}

JetReader::JetReader(const QString& path, const QString& name, const QString& table,
                     const QStringList& columns)
    : state_(std::make_unique<State>()) {
    State& s = *state_;
    s.name = name;
    // The library reads a page with three system calls; from memory it reads the whole file
    // several times faster.
    s.file.setFileName(path);
    uchar* bytes = s.file.open(QIODevice::ReadOnly) ? s.file.map(0, s.file.size()) : nullptr;
    if (bytes == nullptr) {
        damaged(QStringLiteral("fichier illisible"), name);
    }
    s.mdb = mdb_open_buffer(bytes, s.file.size(), MDB_NOFLAGS);
    if (s.mdb == nullptr) {
        damaged(QStringLiteral("en-tête illisible"), name);
    }
    // Jet writes whole pages: a file that ends inside one was cut short.
    if (s.file.size() % s.mdb->fmt->pg_size != 0) {
        damaged(QStringLiteral("fichier tronqué"), name);
    }
    pinEncodings(s.mdb);
    if (mdb_read_catalog(s.mdb, MDB_TABLE) == nullptr) {
        damaged(QStringLiteral("catalogue des tables illisible"), name);
    }
    MdbCatalogEntry* entry = nullptr;
    for (unsigned i = 0; i < s.mdb->num_catalog; ++i) {
        auto* candidate = static_cast<MdbCatalogEntry*>(g_ptr_array_index(s.mdb->catalog, i));
        if (candidate->object_type == MDB_TABLE &&
            QString::fromUtf8(candidate->object_name).compare(table, Qt::CaseInsensitive) == 0) {
            entry = candidate;
            break;
        }
    }
    if (entry == nullptr) {
        refuse(err::TableNotFound,
               QStringLiteral("Table « %1 » introuvable dans la base Access").arg(table), name);
    }
    s.table = mdb_read_table(entry);
    if (s.table == nullptr || mdb_read_columns(s.table) == nullptr) {
        damaged(QStringLiteral("description de la table « %1 » illisible").arg(table), name);
    }
    s.select(columns);
    s.fields.resize(s.table->num_cols);
    mdb_rewind_table(s.table);
}

JetReader::~JetReader() = default;

void JetReader::State::select(const QStringList& names) {
    for (const QString& wanted : names) {
        unsigned index = 0;
        while (index < table->num_cols &&
               QString::fromUtf8(column(index)->name).compare(wanted, Qt::CaseInsensitive) != 0) {
            ++index;
        }
        if (index == table->num_cols) {
            throw Error(err::FieldNotFound,
                        QStringLiteral("Champ « %1 » introuvable dans la table « %2 » : « %3 »")
                            .arg(wanted, QString::fromUtf8(table->name), name));
        }
        const int type = column(index)->col_type;
        if (type != MDB_BYTE && type != MDB_INT && type != MDB_LONGINT && type != MDB_TEXT &&
            type != MDB_MEMO) {
            throw Error(err::TypeMismatch,
                        QStringLiteral("Le champ « %1 » n'est ni un nombre entier ni un texte "
                                       "(type Jet %2) : « %3 »")
                            .arg(wanted)
                            .arg(type)
                            .arg(name));
        }
        selected.push_back(index);
    }
}

bool JetReader::next(std::vector<Value>& row) {
    State& s = *state_;
    if (!mdb_fetch_row(s.table)) {
        // The library ends its scan quietly at a page it cannot read: compare with the count
        // the table keeps.
        if (s.rowsRead != s.table->num_rows) {
            damaged(QStringLiteral("%1 fiches lues sur %2").arg(s.rowsRead).arg(s.table->num_rows),
                    s.name);
        }
        return false;
    }
    ++s.rowsRead;
    // The row just fetched is still on the current page: crack it into its fields, which tell a
    // null from an empty text (the library's bound values do not).
    int start = 0;
    size_t size = 0;
    if (mdb_find_row(s.mdb, static_cast<int>(s.table->cur_row) - 1, &start, &size) != 0 ||
        mdb_crack_row(s.table, start & kOffsetMask, size, s.fields.data()) < 0) {
        damaged(QStringLiteral("fiche %1 illisible").arg(s.rowsRead), s.name);
    }
    row.clear();
    for (unsigned index : s.selected) {
        row.push_back(s.value(index));
    }
    return true;
}

}  // namespace platform::data
