// The form models of the summary window's dialogs ("Doprava", "Poselství") and of a saved
// proposal's page in the main window, driven as the generic form view drives them.
#include <gtest/gtest.h>

#include <vector>

#include "proposal/doprava_form.h"
#include "proposal/navrh.h"
#include "proposal/navrh_form.h"
#include "proposal/poselstvi_form.h"
#include "support/scripted_ui.h"

namespace belvo {
namespace {

const Separators kCzech{",", " "};

CCislo Czech(const char* text) { return CCislo::Parse(text, kCzech); }

// One step of the user in the transport dialog: type `text` into a field and leave it.
struct Step {
    int field;
    const char* text;
};

struct TransportCase {
    const char* name;
    std::vector<Step> steps;
    // What the three fields show afterwards.
    const char* km;
    const char* rate;
    const char* price;
    // The message of the last step; empty when none. A refused value keeps the focus.
    const char* message = "";
};

class TransportDialog : public ::testing::TestWithParam<TransportCase> {};

TEST_P(TransportDialog, ChecksEachFieldAsItIsLeft)
{
    const TransportCase& c = GetParam();
    CNavrh navrh;
    ScriptedUi ui;
    DopravaForm form(navrh, "Kč", ui, kCzech);
    form.Open();
    bool lastValid = true;
    for (const Step& step : c.steps) {
        form.Field(step.field).text = step.text;
        lastValid = form.Validate(step.field);
    }
    EXPECT_EQ(form.Field(DopravaForm::kVzdalenost).text, c.km);
    EXPECT_EQ(form.Field(DopravaForm::kSazba).text, c.rate);
    EXPECT_EQ(form.Field(DopravaForm::kCena).text, c.price);
    if (*c.message) {
        EXPECT_FALSE(lastValid);
        ASSERT_EQ(ui.messages.size(), 1u);
        EXPECT_EQ(ui.messages[0], (RecordedMessage{c.message, "Validace", MessageIcon::Question, MessageButtons::Ok}));
    } else {
        EXPECT_TRUE(lastValid);
        EXPECT_TRUE(ui.messages.empty());
    }
}

using D = DopravaForm;
INSTANTIATE_TEST_SUITE_P(
    Summary, TransportDialog,
    ::testing::Values(
        TransportCase{"DistanceAndRateGiveThePrice", {{D::kVzdalenost, "12"}, {D::kSazba, "30,50"}}, "12", "30,50", "366,00"},
        TransportCase{"RateFirstThenDistance", {{D::kSazba, "30,50"}, {D::kVzdalenost, "12"}}, "12", "30,50", "366,00"},
        TransportCase{"ATypedPriceSetsTheRateTo0",
                      {{D::kVzdalenost, "12"}, {D::kSazba, "30,50"}, {D::kCena, "400"}}, "12", "0,00", "400"},
        TransportCase{"ThePriceOfDistanceAndRateKeepsTheRate",
                      {{D::kVzdalenost, "12"}, {D::kSazba, "30,50"}, {D::kCena, "366,00"}}, "12", "30,50", "366,00"},
        TransportCase{"NegativeDistance", {{D::kVzdalenost, "-5"}}, "-5", "", "", "zápornou vzdálenost neznám."},
        TransportCase{"NegativeRate", {{D::kVzdalenost, "12"}, {D::kSazba, "-1"}}, "12", "-1", "",
                      "kde mají zápornou sazbu za dopravu ?"},
        TransportCase{"NegativePrice", {{D::kCena, "-100"}}, "", "", "-100", "kde vozí za úplatu ?"}),
    [](const auto& tested) { return std::string(tested.param.name); });

TEST(SummaryDialogs, TransportFieldsShowTheProposalAndOkStoresThem)
{
    CNavrh navrh;
    navrh.DopravaKm = Czech("8");
    navrh.DopravaCenaKm = Czech("25");
    navrh.DopravaCena = Czech("200");
    ScriptedUi ui;
    DopravaForm form(navrh, "EUR", ui, kCzech);
    form.Open();
    EXPECT_EQ(form.Field(DopravaForm::kVzdalenost).text, "8");
    EXPECT_EQ(form.Field(DopravaForm::kSazba).text, "25,00");
    EXPECT_EQ(form.Field(DopravaForm::kCena).text, "200,00");
    EXPECT_EQ(form.Field(DopravaForm::kSazba).unit, "EUR/km");
    EXPECT_EQ(form.Field(DopravaForm::kCena).unit, "EUR");

    form.Field(DopravaForm::kVzdalenost).text = "12";
    form.Field(DopravaForm::kSazba).text = "30,50";
    EXPECT_EQ(form.Save(DopravaForm::kSazba), FormOutcome::Done);
    EXPECT_EQ(navrh.DopravaKm, Czech("12"));
    EXPECT_EQ(navrh.DopravaCenaKm, Czech("30,5"));
    EXPECT_EQ(navrh.DopravaCena, Czech("366"));

    // A negative value keeps the dialog open and the proposal as it was.
    form.Field(DopravaForm::kVzdalenost).text = "-1";
    EXPECT_EQ(form.Save(DopravaForm::kVzdalenost), FormOutcome::Refused);
    EXPECT_EQ(navrh.DopravaKm, Czech("12"));
}

TEST(SummaryDialogs, MessageDialogStoresOnlyOnOk)
{
    CNavrh navrh;
    navrh.Poselstvi = "Dodání v květnu";
    ScriptedUi ui;
    PoselstviForm form(navrh, ui, kCzech);
    EXPECT_EQ(form.Title(), "Poselství");
    form.Open();
    EXPECT_EQ(form.Field(PoselstviForm::kPoselstvi).kind, FieldKind::MultiLineText);
    EXPECT_EQ(form.Field(PoselstviForm::kPoselstvi).text, "Dodání v květnu");

    form.Field(PoselstviForm::kPoselstvi).text = "Dodání v červnu\nna stavbu";
    EXPECT_EQ(form.Save(), FormOutcome::Done);
    EXPECT_EQ(navrh.Poselstvi, "Dodání v červnu\nna stavbu");
}

TEST(SummaryDialogs, SavedProposalPageShowsItsFieldsAndZobrazitOpensIt)
{
    CNavrh navrh;
    navrh.Jmeno = "Dům - Zeď 1";
    navrh.Nazev = "Varianta A";
    navrh.Datum = "15.5.2016 14:30";
    navrh.Cenik = "CZ20160515 14:30 (Kč)/K1";
    navrh.Poselstvi = "první řádek\ndruhý";
    ScriptedUi ui;
    std::vector<const CNavrh*> shown;
    NavrhForm form(navrh, ui, kCzech, [&](const CNavrh& n) { shown.push_back(&n); });
    form.Open();

    EXPECT_EQ(form.Buttons(), FormButtons::None);
    struct Expected {
        int id;
        const char* label;
        const char* text;
    };
    for (const Expected& e : {Expected{NavrhForm::kJmeno, "Jméno", "Dům - Zeď 1"},
                              Expected{NavrhForm::kNazev, "Návrh", "Varianta A"},
                              Expected{NavrhForm::kDatum, "Návrh z", "15.5.2016 14:30"},
                              Expected{NavrhForm::kCenik, "Ceník z", "CZ20160515 14:30 (Kč)/K1"},
                              Expected{NavrhForm::kPoselstvi, "Poselství", "první řádek\ndruhý"}}) {
        const FormField& field = form.Field(e.id);
        EXPECT_EQ(field.label, e.label);
        EXPECT_EQ(field.text, e.text);
        EXPECT_TRUE(field.kind == FieldKind::ReadOnly || field.readOnly) << e.label;
    }

    form.Activate(NavrhForm::kZobrazit);
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0], &navrh);
    // Leaving the page changes nothing.
    EXPECT_EQ(form.Save(), FormOutcome::Done);
    EXPECT_EQ(navrh.Nazev, "Varianta A");
}

}  // namespace
}  // namespace belvo
