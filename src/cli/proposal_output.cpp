#include "cli/proposal_output.h"

#include <string>
#include <string_view>

#include "cli/json_writer.h"
#include "proposal/navrh.h"
#include "proposal/summary_model.h"

namespace belvo::cli {

namespace {

void WriteInt(JsonWriter& json, std::string_view key, std::int64_t value)
{
    json.Key(key);
    json.Integer(value);
}

void WriteHeader(JsonWriter& json, const CNavrh& n)
{
    json.Field("Jmeno", n.Jmeno);
    WriteInt(json, "CelyProjekt", n.CelyProjekt);
    json.Field("Poselstvi", n.Poselstvi);
    json.Field("Titulek", n.Titulek);
    WriteInt(json, "SDPH", n.SDPH);
    json.Field("DPH", n.DPH);
    json.Field("SlevaVse", n.SlevaVse);
    WriteInt(json, "Rezerva", n.Rezerva);
    json.Field("DopravaCenaKm", n.DopravaCenaKm);
    json.Field("DopravaKm", n.DopravaKm);
    json.Field("DopravaCena", n.DopravaCena);
    json.Field("Datum", n.Datum);
    json.Field("Cenik", n.Cenik);
    json.Field("Nazev", n.Nazev);
    json.Field("Autor", n.Autor);
    json.Field("JmenoRadek2", n.JmenoRadek2);
    json.Field("Atyp", n.Atyp);
    WriteInt(json, "Zrychleny", n.Zrychleny);
}

void WriteItem(JsonWriter& json, const CPolozka& p, const ItemFigures& figures)
{
    json.BeginObject();
    json.Field("ObjCislo", p.ObjCislo);
    json.Field("Nazev", p.Nazev);
    json.Field("Zavod", p.Zavod);
    json.Field("Vaha", p.Vaha);
    json.Field("KsNaPalete", p.KsNaPalete);
    json.Field("CenaPaleta", p.CenaPaleta);
    json.Field("CenaVolna", p.CenaVolna);
    json.Field("PaletaVaha", p.PaletaVaha);
    json.Field("PaletaCena", p.PaletaCena);
    json.Field("PaletaVykup", p.PaletaVykup);
    json.Field("PaletaNazev", p.PaletaNazev);
    json.Field("NavrhKs", p.NavrhKs);
    json.Field("Palet", p.Palet);
    json.Field("PlusKs", p.PlusKs);
    json.Field("Sleva", p.Sleva);
    json.Field("Ttu2", p.Ttu2);
    json.Field("PaletaObjCislo", p.PaletaObjCislo);
    json.Field("SkupZbo", p.SkupZbo);
    json.Field("PaletaSkupZbo", p.PaletaSkupZbo);
    json.Field("PuvodniObjCislo", p.PuvodniObjCislo);
    json.Field("Varianta", p.Varianta);
    json.Field("NazevSkupiny", p.NazevSkupiny);
    json.Field("Skupina", p.Skupina);
    json.Field("Typ", p.Typ);
    json.Field("Rezerva2", p.Rezerva2);
    json.Field("Sirka", p.Sirka);
    json.Field("cenaKs", figures.cenaKs);
    json.Field("celkemKs", figures.celkemKs);
    json.Field("oprava", figures.oprava);
    json.Field("cena", figures.cena);
    json.EndObject();
}

void WritePallet(JsonWriter& json, const CPalety& p, const PalletFigures& figures)
{
    json.BeginObject();
    json.Field("Nazev", p.Nazev);
    json.Field("Cena", p.Cena);
    json.Field("Vykup", p.Vykup);
    json.Field("Pocet", p.Pocet);
    json.Field("Oprava", p.Oprava);
    json.Field("Vaha", p.Vaha);
    json.Field("celkemKs", figures.celkemKs);
    json.Field("cena", figures.cena);
    json.EndObject();
}

void WriteTotals(JsonWriter& json, const SummaryTotals& t)
{
    json.BeginObject();
    json.Field("SumaBezDPH", t.SumaBezDPH);
    json.Field("SumaSDPH", t.SumaSDPH);
    json.Field("PaletyBezDPH", t.PaletyBezDPH);
    json.Field("PaletySDPH", t.PaletySDPH);
    json.Field("CenaZbozi", t.CenaZbozi);
    json.Field("Zbozi", t.Zbozi);
    json.Field("CenaObalu", t.CenaObalu);
    json.Field("Obaly", t.Obaly);
    json.Field("Ztrata", t.Ztrata);
    json.Field("CenaDopravy", t.CenaDopravy);
    json.Field("MaterialCelkemBezDPH", t.MaterialCelkemBezDPH);
    json.Field("MaterialCelkemSDPH", t.MaterialCelkemSDPH);
    json.Field("MaterialPoSleveBezDPH", t.MaterialPoSleveBezDPH);
    json.Field("MaterialPoSleveSDPH", t.MaterialPoSleveSDPH);
    json.Field("CelkemBezDPH", t.CelkemBezDPH);
    json.Field("CelkemSDPH", t.CelkemSDPH);
    json.Field("HmotnostBrutto", t.HmotnostBrutto);
    json.EndObject();
}

// A cell of the tab-separated tables: control characters would break the rows.
std::string Cell(std::string_view text)
{
    std::string cell(text);
    for (char& c : cell)
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) c = ' ';
    return cell;
}

void WriteTable(std::ostream& out, const TableModel& table)
{
    for (int column = 0; column < table.ColumnCount(); ++column)
        out << (column > 0 ? "\t" : "") << Cell(table.Columns()[static_cast<std::size_t>(column)].header);
    out << '\n';
    for (int row = 1; row <= table.LastRow(); ++row) {
        for (int column = 0; column < table.ColumnCount(); ++column)
            out << (column > 0 ? "\t" : "") << Cell(table.Text(row, column));
        out << '\n';
    }
}

}  // namespace

void WriteProposalJson(std::ostream& out, const SummaryModel& summary, const std::vector<ShownMessage>& messages)
{
    const CNavrh& navrh = summary.Navrh();
    JsonWriter json(out);
    json.BeginObject();
    WriteHeader(json, navrh);

    json.Key("messages");
    json.BeginArray();
    for (const ShownMessage& message : messages) {
        json.BeginObject();
        json.Field("caption", message.caption);
        json.Field("text", message.text);
        json.EndObject();
    }
    json.EndArray();

    json.Key("Polozky");
    json.BeginArray();
    for (int row = 1; row <= summary.Items().LastRow(); ++row)
        WriteItem(json, summary.ItemOfRow(row), summary.FiguresOfRow(row));
    json.EndArray();

    json.Key("Palety");
    json.BeginArray();
    for (std::size_t i = 0; i < navrh.Palety.size(); ++i) WritePallet(json, *navrh.Palety[i], summary.FiguresOfPallet(i));
    json.EndArray();

    json.Key("totals");
    WriteTotals(json, summary.Totals());
    json.EndObject();
    json.Finish();
}

void WriteProposalText(std::ostream& out, const SummaryModel& summary)
{
    const CNavrh& navrh = summary.Navrh();
    const Separators& separators = summary.NumberSeparators();
    const auto number = [&](const CCislo& value, int decimals) {
        return value.Format(separators, CCislo::kGroupThousands | CCislo::kEmptyNull, decimals);
    };
    const SummaryTotals& t = summary.Totals();
    const std::string& currency = summary.Currency();

    out << Cell(navrh.Titulek) << '\n';
    if (!navrh.JmenoRadek2.empty()) out << Cell(navrh.JmenoRadek2) << '\n';
    out << "Ceník: " << Cell(navrh.Cenik) << '\n';
    out << "Datum: " << Cell(navrh.Datum) << '\n';
    out << "Autor: " << Cell(navrh.Autor) << '\n';
    out << (summary.SDPH() ? "Ceny s DPH " : "Ceny bez DPH ") << number(navrh.DPH, 0) << " %\n\n";

    out << "materiál\n";
    WriteTable(out, summary.Items());
    out << "\nobaly\n";
    WriteTable(out, summary.Pallets());
    out << '\n';
    out << "Zboží: " << number(t.Zbozi, 0) << " kg\n";
    out << "Cena zboží: " << number(t.CenaZbozi, 2) << ' ' << currency << '\n';
    out << "Obaly: " << number(t.Obaly, 0) << " kg\n";
    out << "Cena obalů: " << number(t.CenaObalu, 2) << ' ' << currency << '\n';
    out << "Ztráta: " << number(t.Ztrata, 2) << ' ' << currency << '\n';
    out << "Cena dopravy: " << number(t.CenaDopravy, 2) << ' ' << currency << '\n';
    out << "Materiál celkem bez DPH: " << number(t.MaterialCelkemBezDPH, 2) << ' ' << currency << '\n';
    out << "Materiál celkem s DPH: " << number(t.MaterialCelkemSDPH, 2) << ' ' << currency << '\n';
    if (!t.MaterialPoSleveBezDPH.IsNull()) {
        out << "Materiál po slevě " << number(navrh.SlevaVse, CCislo::kOwnScale) << " % bez DPH: "
            << number(t.MaterialPoSleveBezDPH, 2) << ' ' << currency << '\n';
        out << "Materiál po slevě " << number(navrh.SlevaVse, CCislo::kOwnScale) << " % s DPH: "
            << number(t.MaterialPoSleveSDPH, 2) << ' ' << currency << '\n';
    }
    out << "Celkem bez DPH: " << number(t.CelkemBezDPH, 2) << ' ' << currency << '\n';
    out << "Celkem s DPH: " << number(t.CelkemSDPH, 2) << ' ' << currency << '\n';
    out << "Hmotnost brutto: " << number(t.HmotnostBrutto, 0) << " kg\n";
}

}  // namespace belvo::cli
