#include "import/allplan_csv.h"

#include <array>
#include <filesystem>
#include <fstream>
#include <map>
#include <optional>
#include <string_view>
#include <utility>
#include <vector>

#include "catalogue/material.h"
#include "catalogue/material_list.h"
#include "foundation/cp1250.h"
#include "foundation/errors.h"
#include "materials/kusy.h"
#include "materials/strop.h"
#include "model/skupina.h"

namespace belvo {

namespace {

// The program read part lists with a buffer of 4000 characters: a longer line arrives in pieces
// of 3999, each handled as a line of its own.
constexpr std::size_t kMaxPiece = 3999;

constexpr int kSkupinaNosniku = 6;
constexpr int kSkupinaVlozek = 7;
constexpr int kSkupinaPanelu = 499;

// Reads a file the way a text-mode stream with fgets does: pieces of at most 3999 characters up
// to and including the line end, a carriage return before a line feed dropped. Reads in blocks
// and counts the bytes, so that an oversized file is refused before it is read whole.
class PieceReader {
public:
    PieceReader(std::istream& in, std::string path) : m_in(in), m_path(std::move(path)) {}

    std::optional<std::string> Next()
    {
        std::string piece;
        while (piece.size() < kMaxPiece) {
            int ch = Get();
            if (ch < 0) break;
            if (ch == '\r' && Peek() == '\n') ch = Get();
            piece.push_back(static_cast<char>(ch));
            if (ch == '\n') break;
        }
        if (piece.empty()) return std::nullopt;
        return piece;
    }

private:
    static constexpr std::size_t kBlock = 64 * 1024;

    // The next byte without taking it, or -1 at the end of the file.
    int Peek()
    {
        if (m_pos == m_block.size() && !Fill()) return -1;
        return static_cast<unsigned char>(m_block[m_pos]);
    }
    int Get()
    {
        const int ch = Peek();
        if (ch >= 0) ++m_pos;
        return ch;
    }
    bool Fill()
    {
        m_block.resize(kBlock);
        m_in.read(m_block.data(), static_cast<std::streamsize>(kBlock));
        m_block.resize(static_cast<std::size_t>(m_in.gcount()));
        m_pos = 0;
        if (m_in.bad()) throw FileError(m_path, "soubor nelze přečíst");
        m_bytes += m_block.size();
        if (m_bytes > kMaxAllplanBytes)
            throw FileError(m_path, "soubor je větší než 16 MB, takový seznam dílů to být nemůže");
        return !m_block.empty();
    }

    std::istream& m_in;
    std::string m_path;
    std::string m_block;
    std::size_t m_pos = 0;
    std::uint64_t m_bytes = 0;
};

// A line as its text: up to a zero byte (the old program handled lines as C strings), without
// its line end, converted from Windows-1250.
std::string LineText(const std::string& piece)
{
    std::string_view text(piece);
    text = text.substr(0, text.find('\0'));
    if (!text.empty() && text.back() == '\n') text.remove_suffix(1);
    return Cp1250ToUtf8(text);
}

// Fields 1 to 9 of a line; a missing field is empty.
std::array<std::string_view, 9> SplitFields(std::string_view line)
{
    std::array<std::string_view, 9> fields{};
    for (std::size_t i = 0; i < fields.size(); ++i) {
        const std::size_t end = line.find(';');
        fields[i] = line.substr(0, end);
        if (end == std::string_view::npos) break;
        line.remove_prefix(end + 1);
    }
    return fields;
}

// The price-list records the import looks for, found by value: for each group, type and the
// three dimensions the first record in list order; for each Allplan keyword the first panel type
// caption.
class PartIndex {
public:
    explicit PartIndex(const CMaterialList& materials)
    {
        for (const CMaterial& record : materials.InGroup(-kSkupinaPanelu))
            m_captions.emplace(record.Zavod, &record);
        // The groups never share a key, so visiting them one after another finds the same firsts.
        for (const int group : {kSkupinaNosniku, kSkupinaVlozek, kSkupinaPanelu})
            for (const CMaterial& record : materials.InGroup(group))
                m_parts.emplace(Key(record.Skupina, record.Typ, record.Delka, record.Sirka, record.Vyska), &record);
    }

    const CMaterial* Part(int skupina, const CCislo& typ, const CCislo& delka, const CCislo& sirka,
                          const CCislo& vyska) const
    {
        const auto found = m_parts.find(Key(CCislo(skupina), typ, delka, sirka, vyska));
        return found == m_parts.end() ? nullptr : found->second;
    }

    const CMaterial* Caption(const std::string& keyword) const
    {
        const auto found = m_captions.find(keyword);
        return found == m_captions.end() ? nullptr : found->second;
    }

private:
    using Key5 = std::array<NumberKey, 5>;
    static Key5 Key(const CCislo& skupina, const CCislo& typ, const CCislo& delka, const CCislo& sirka,
                    const CCislo& vyska)
    {
        return {KeyOf(skupina), KeyOf(typ), KeyOf(delka), KeyOf(sirka), KeyOf(vyska)};
    }

    std::map<Key5, const CMaterial*> m_parts;
    std::map<std::string, const CMaterial*> m_captions;
};

std::string MaterialTextOf(const CMaterial& material)
{
    return material.ObjCislo + " " + material.Nazev + " (" + material.Zavod + ")";
}

// The element of one line, or null when the line matches nothing.
std::unique_ptr<CPrvek> ElementOfLine(const std::string& line, const PartIndex& index, const Separators& separators)
{
    const auto fields = SplitFields(line);
    const std::string_view keyword = fields[1];
    const auto number = [&](std::size_t field) { return CCislo::Parse(fields[field - 1], separators); };
    const CCislo first = number(4);
    const CCislo second = number(5);
    const CCislo third = number(6);
    const CCislo count = number(7);

    if (keyword == "SN KARNO") {
        const CMaterial* beam = index.Part(kSkupinaNosniku, CCislo(0), first, second, third);
        if (beam == nullptr) return nullptr;
        auto element = std::make_unique<CKusy>(kSkupinaNosniku, kObrazekStropniNosniky);
        element->Nazev = line;
        element->MaterialText = MaterialTextOf(*beam);
        element->ObjCislo = beam->ObjCislo;
        element->Atyp = 0;
        element->Pocet = count;
        return element;
    }
    if (keyword == "SV VELTO") {
        const CMaterial* insert = index.Part(kSkupinaVlozek, CCislo(0), second, first, third);
        if (insert == nullptr) return nullptr;
        auto element = std::make_unique<CVelto>();
        element->Nazev = line;
        element->MaterialText = MaterialTextOf(*insert);
        element->ObjCislo = insert->ObjCislo;
        element->PocetKusu = count;
        element->Delka = CCislo(0);
        return element;
    }
    if (keyword == "KSP KARNO") {
        const CMaterial* caption = index.Caption(std::string(fields[2]));
        if (caption == nullptr) return nullptr;
        const CCislo length = fields[8].empty() ? first : number(9);
        const CMaterial* panel = index.Part(kSkupinaPanelu, caption->Typ, length, second, third);
        if (panel == nullptr) return nullptr;
        auto element = std::make_unique<CKusy>(kSkupinaPanelu, kObrazekStropniPanely);
        element->Nazev = line;
        element->MaterialText = MaterialTextOf(*panel);
        element->ObjCislo = panel->ObjCislo;
        element->Atyp = fields[7].empty() ? 0 : 1;
        element->Pocet = count;
        return element;
    }
    // Ring-beam lines ("VĚNCOVKA", "Věncovka") and every other keyword are not imported.
    return nullptr;
}

}  // namespace

AllplanImport ImportujAllplan(std::istream& in, const std::string& title, const std::string& fullPath,
                              const CMaterialList& materials, const Separators& separators)
{
    AllplanImport result;
    result.skupina = std::make_unique<CSkupina>();
    result.skupina->Nazev = "Import " + title;
    result.skupina->Popis = "Import Allplan \r\n" + fullPath + "\r\n";

    PieceReader reader(in, fullPath);
    if (!reader.Next()) return result;  // the heading
    const PartIndex index(materials);
    while (const auto piece = reader.Next()) {
        const std::string line = LineText(*piece);
        if (line.find(';') == std::string::npos) break;
        if (auto element = ElementOfLine(line, index, separators))
            result.skupina->Prvky.push_back(std::move(element));
        else
            result.nezpracovane += line + "\r\n";
    }
    return result;
}

AllplanImport ImportujAllplan(const std::string& path, const CMaterialList& materials, const Separators& separators)
{
    std::error_code error;
    const std::filesystem::path file(path);
    const std::filesystem::path fullPath = std::filesystem::absolute(file, error);
    if (std::filesystem::is_directory(file, error)) throw FileError(path, "je to složka, ne soubor");
    std::ifstream in(file, std::ios::binary);
    if (!in) throw FileError(path, "soubor nelze otevřít pro čtení");
    return ImportujAllplan(in, file.stem().string(), error ? path : fullPath.string(), materials, separators);
}

}  // namespace belvo
