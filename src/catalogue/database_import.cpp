#include "catalogue/database_import.h"

#include <algorithm>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

#include "catalogue/database_number.h"
#include "catalogue/database_queries.h"
#include "catalogue/material_codes.h"
#include "catalogue/price_list_label.h"
#include "foundation/cp1250.h"

namespace belvo {

namespace {

// The caption of a failure's own message, as the platform's error box shows it.
constexpr const char* kFailureCaption = "Karno";

// Decimal places a column is brought to; kAsRead keeps those of the database's text.
constexpr int kAsRead = -1;

// Where a value came from, for the message that refuses it.
struct RowPlace {
    std::size_t query;       // 1-based number of the query
    std::string_view order;  // the row's order number
};

// A database text as a message quotes it: at most 60 bytes, cut between characters.
std::string Quoted(std::string_view text)
{
    constexpr std::size_t kLongest = 60;
    if (text.size() <= kLongest) return "\"" + std::string(text) + "\"";
    std::size_t cut = kLongest;
    while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0u) == 0x80u) --cut;
    return "\"" + std::string(text.substr(0, cut)) + "…\"";
}

[[noreturn]] void RefuseValue(const RowPlace& place, std::string_view field, std::string_view text,
                              std::string_view why)
{
    throw DatabaseError("Chybný údaj v databázi: materiál " + Quoted(place.order) + " (dotaz " +
                        std::to_string(place.query) + "), pole " + std::string(field) + ": " + Quoted(text) + " " +
                        std::string(why) + ".");
}

// A column converted to a number, brought to `scale` decimal places with rounding.
CCislo Number(std::string_view text, int scale, std::string_view field, const RowPlace& place)
{
    const std::optional<CCislo> value = ParseDatabaseNumber(text);
    if (!value) RefuseValue(place, field, text, "není číslo");
    CCislo result = *value;
    if (scale != kAsRead) {
        try {
            result.SetScale(scale, true);
        } catch (const CSeException&) {
            RefuseValue(place, field, text, "je mimo rozsah");
        }
    }
    return result;
}

std::string Text(std::string_view column) { return std::string(TrimTrailingSpace(column)); }

// Every "(", ")" and "/" replaced by "_": they would split the label's parts.
std::string WithoutLabelSeparators(std::string_view text)
{
    std::string result(text);
    std::replace_if(result.begin(), result.end(), [](char c) { return c == '(' || c == ')' || c == '/'; }, '_');
    return result;
}

// One row of a material query as a record.
std::unique_ptr<CMaterial> MaterialRow(const std::vector<std::string>& row, std::size_t query)
{
    auto m = std::make_unique<CMaterial>();
    m->ObjCislo = Text(row[0]);
    const RowPlace place{query, m->ObjCislo};
    const auto number = [&](std::size_t column, int scale, std::string_view field) {
        return Number(TrimTrailingSpace(row[column]), scale, field, place);
    };
    m->Nazev = Text(row[1]);
    m->Zavod = Text(row[2]);
    m->Sirka = number(3, 0, "Sirka");
    m->Delka = number(4, 0, "Delka");
    m->Vyska = number(5, 0, "Vyska");
    m->Vaha = number(6, 3, "Vaha");
    m->KsNaPalete = number(7, 0, "KsNaPalete");
    m->CenaPaleta = number(8, 2, "CenaPaleta");
    m->CenaVolna = number(9, 2, "CenaVolna");
    if (m->CenaVolna == CCislo(0)) m->CenaVolna = m->CenaPaleta;  // no loose price: the pallet price
    m->ZaklMat = Text(row[10]);
    m->Skupina = number(11, 0, "Skupina");
    m->TypText = Text(row[12]);
    m->Typ = Number(m->TypText, 0, "Typ", place);
    m->Koeficient = number(13, 0, "Koeficient");
    m->Malta = number(14, 2, "Malta");
    m->Otoceni = number(15, 0, "Otoceni");
    m->PaletaVaha = number(16, 0, "PaletaVaha");
    m->PaletaCena = number(17, 2, "PaletaCena");
    m->PaletaVykup = number(18, 2, "PaletaVykup");
    m->PaletaNazev = Text(row[19]);
    m->PaletaObjCislo = Text(row[20]);
    m->Ttu2 = Text(row[21]);
    if (!m->Ttu2.empty() && m->Ttu2.front() == '&') m->Ttu2.clear();  // the ERP's placeholder
    m->SkupZbo = Text(row[22]);
    m->PaletaSkupZbo = Text(row[23]);
    m->Varianta = Text(row[24]);
    m->ObjCislo += m->Varianta;
    m->Perlit = number(25, kAsRead, "Perlit");
    m->MaltaZak = number(26, kAsRead, "MaltaZak");
    m->Polystyr = number(27, kAsRead, "Polystyr");
    m->VariantaKod = number(28, kAsRead, "VariantaKod");
    m->DelsiUlozeni = number(29, kAsRead, "DelsiUlozeni");
    return m;
}

// One row of the panel query as a type caption row.
std::unique_ptr<CMaterial> TypeCaptionRow(const std::vector<std::string>& row, std::size_t query)
{
    auto m = std::make_unique<CMaterial>();
    m->ObjCislo = std::string(kObjCisloTitulkuTypu);
    m->TypText = Text(row[1]);
    m->Nazev = Text(row[2]);
    const RowPlace place{query, m->Nazev};
    m->Skupina = Number(TrimTrailingSpace(row[0]), 0, "Skupina", place);
    m->Typ = Number(m->TypText, 0, "Typ", place);
    m->Zavod = Text(row[3]);
    return m;
}

std::unique_ptr<ResultSet> RunQuery(Database& database, std::string_view sql, std::size_t columns, std::size_t query)
{
    std::unique_ptr<ResultSet> rows = database.Query(std::string(sql));
    if (rows->ColumnCount() < columns)
        throw DatabaseError("Dotaz " + std::to_string(query) + " vrátil " + std::to_string(rows->ColumnCount()) +
                            " sloupců místo " + std::to_string(columns) + ".");
    return rows;
}

struct Imported {
    std::vector<std::unique_ptr<CMaterial>> records;
    std::string label;
    std::size_t maxRecords = kMaxImportedRecords;

    void Add(std::unique_ptr<CMaterial> record)
    {
        if (records.size() >= maxRecords)
            throw DatabaseError("Databáze vrací více než " + std::to_string(maxRecords) + " záznamů ceníku.");
        records.push_back(std::move(record));
    }
};

// How often the import tells the user how far it has got (and lets them stop it): before each
// query and after every so many records.
constexpr std::size_t kProgressRecords = 50;

Imported RunQueries(Database& database, const SystemInfo& system, std::size_t maxRecords, Ui* ui)
{
    Imported result;
    result.maxRecords = maxRecords;
    std::optional<ProgressScope> progress;
    if (ui) progress.emplace(*ui, "Načítání ceníku z databáze ...");
    const auto report = [&](bool always) {
        if (progress && (always || result.records.size() % kProgressRecords == 0)) progress->Report(result.records.size());
    };
    std::vector<std::string> row;
    std::size_t query = 0;
    for (std::string_view sql : MaterialQueries()) {
        ++query;
        report(true);
        const auto rows = RunQuery(database, sql, kMaterialColumnCount, query);
        while (rows->Fetch(row)) {
            result.Add(MaterialRow(row, query));
            report(false);
        }
    }
    {
        ++query;
        report(true);
        const auto rows = RunQuery(database, kPanelQuery, kPanelColumnCount, query);
        while (rows->Fetch(row)) {
            result.Add(TypeCaptionRow(row, query));
            report(false);
        }
    }
    {
        ++query;
        const auto rows = RunQuery(database, kPriceListQuery, kPriceListColumnCount, query);
        if (!rows->Fetch(row)) throw DatabaseError("Tabulka cenik neobsahuje žádný řádek.");
        result.label = DatabaseCenikId(row[0], row[1], row[2], system.Now());
    }
    // Ascending order numbers; the stable sort keeps equal ones in the order the queries made
    // them, exactly as inserting each record before the first greater one would.
    std::stable_sort(result.records.begin(), result.records.end(), [](const auto& a, const auto& b) {
        return CompareCp1250(a->ObjCislo, b->ObjCislo) < 0;
    });
    return result;
}

}  // namespace

std::string_view TrimTrailingSpace(std::string_view text)
{
    while (!text.empty()) {
        const char c = text.back();
        if (c != ' ' && c != '\t' && c != '\n' && c != '\r' && c != '\v' && c != '\f') break;
        text.remove_suffix(1);
    }
    return text;
}

std::string DatabaseCenikId(std::string_view zeme, std::string_view mena, std::string_view heliosxml,
                            const LocalTime& now)
{
    CenikIdParts parts;
    std::string country(TrimTrailingSpace(zeme));
    if (country.empty()) country = "CZ";
    parts.zeme = WithoutLabelSeparators(country) + "__";
    parts.cas = FormatCenikIdTime(now);
    parts.mena = WithoutLabelSeparators(TrimTrailingSpace(mena));
    parts.erpKlic = TrimTrailingSpace(heliosxml);
    return ComposeCenikId(parts);
}

DatabaseImportResult ImportZDatabaze(Database& database, std::string& connection, CMaterialList& materials,
                                     std::string& label, const SystemInfo& system, Ui* ui, std::size_t maxRecords)
{
    DatabaseImportResult result;
    const std::optional<std::string> completed = database.Open(connection, ui, &result.failure);
    if (!completed) return result;
    const std::string given = std::exchange(connection, *completed);

    std::optional<WaitCursor> wait;
    if (ui) wait.emplace(*ui);
    try {
        Imported imported = RunQueries(database, system, maxRecords, ui);
        database.Close();
        materials.Clear();
        for (auto& record : imported.records) materials.Append(std::move(record));
        label = std::move(imported.label);
        result.status = DatabaseImportStatus::Imported;
        result.failure.clear();
    } catch (const OperationCancelled&) {
        // Stopped by the user: the list, the label and the connection text stay as they were.
        database.Close();
        connection = given;
        throw;
    } catch (const std::exception& failure) {
        database.Close();
        materials.Clear();
        result.status = DatabaseImportStatus::Failed;
        result.failure = failure.what();
        if (ui) ui->Message(result.failure, kFailureCaption, MessageIcon::Error);
    }
    return result;
}

}  // namespace belvo
