// The form protocol (checks on leaving a field, saving with the check of every field, the
// deletion question, failures inside checks) and its first two forms: the project and the group.
#include <gtest/gtest.h>

#include <stdexcept>

#include "model/form_model.h"
#include "model/height_choice.h"
#include "model/projekt.h"
#include "model/projekt_form.h"
#include "model/skupina.h"
#include "model/skupina_form.h"
#include "support/recording_form_host.h"

namespace belvo {
namespace {

using test::RecordingFormHost;

// A form of one number field that must not be negative, and a field whose check throws.
class SampleForm : public FormModel {
public:
    enum : int { kValue = 1, kBroken, kPlain };
    explicit SampleForm(Ui& ui, TreeItem item) : FormModel("Vzorek", FormButtons::SaveBack, ui, Separators{}), hItem(item)
    {
        SetItem(hItem);
        AddField(kValue, FieldKind::Number, "&Hodnota").decimals = 2;
        AddField(kBroken, FieldKind::Text, "&Rozbité");
        AddField(kPlain, FieldKind::Text, "&Prosté");
    }
    TreeItem hItem;
    CCislo stored;
    bool breakCheck = false;
    int stores = 0;

private:
    void Load() override { SetNumber(kValue, stored); }
    bool CheckField(int id) override
    {
        if (id == kBroken && breakCheck) throw std::runtime_error("porucha");
        if (id == kValue && Number(kValue) < CCislo(0)) return Tell("záporné", MessageIcon::Question);
        return true;
    }
    FormOutcome Store() override
    {
        ++stores;
        stored = Number(kValue);
        return FormOutcome::Done;
    }
};

TEST(FormProtocol, NumbersShowTheFieldsDecimalsAndNullIsEmpty)
{
    ScriptedUi ui;
    SampleForm form(ui, 7);
    struct Case {
        CCislo value;
        const char* shown;
    };
    for (const Case& c : {Case{CCislo(125, 1), "12,50"}, Case{CCislo(12345, 3), "12,34"}, Case{CCislo(12346, 3), "12,35"}, Case{CCislo(), ""},
                          Case{CCislo(-1), "-1,00"}}) {
        form.SetNumber(SampleForm::kValue, c.value);
        EXPECT_EQ(form.Field(SampleForm::kValue).text, c.shown);
    }
    form.Field(SampleForm::kValue).text = "1 234,5 mm";
    EXPECT_EQ(form.Number(SampleForm::kValue), CCislo(12345, 1));
    EXPECT_THROW(form.Field(99), std::out_of_range);
}

TEST(FormProtocol, SaveChecksEveryFieldAndOffersToDeleteABadElement)
{
    struct Case {
        const char* value;
        std::deque<Answer> answers;
        FormOutcome outcome;
        int messages;  // the field's own message, then the question
    };
    // The first answer goes to the field's own message, the second to the question.
    for (const Case& c : {Case{"5", {}, FormOutcome::Done, 0}, Case{"-5", {Answer::Ok, Answer::Ok}, FormOutcome::Delete, 2},
                          Case{"-5", {Answer::Ok, Answer::Cancel}, FormOutcome::Refused, 2}}) {
        SCOPED_TRACE(c.value);
        ScriptedUi ui;
        ui.answers = c.answers;
        SampleForm form(ui, 7);
        form.Open();
        form.Field(SampleForm::kValue).text = c.value;
        EXPECT_EQ(form.Save(SampleForm::kPlain), c.outcome);
        ASSERT_EQ(ui.messages.size(), static_cast<std::size_t>(c.messages));
        if (c.messages == 2) {
            EXPECT_EQ(ui.MessageLines()[0], "Validace: záporné");
            EXPECT_EQ(ui.messages[1], (RecordedMessage{kInvalidFormQuestion, "Validace", MessageIcon::Error,
                                                       MessageButtons::OkCancel}));
        }
        EXPECT_EQ(form.stores, c.outcome == FormOutcome::Done ? 1 : 0);
    }
}

TEST(FormProtocol, ADialogWithoutAnElementRefusesWithoutTheQuestion)
{
    ScriptedUi ui;
    SampleForm form(ui, kNoTreeItem);
    form.Field(SampleForm::kValue).text = "-1";
    EXPECT_EQ(form.Save(), FormOutcome::Refused);
    EXPECT_EQ(ui.MessageLines(), (std::vector<std::string>{"Validace: záporné"}));
}

TEST(FormProtocol, AFailingCheckIsReportedAndDoesNotHoldTheUser)
{
    ScriptedUi ui;
    SampleForm form(ui, 7);
    form.breakCheck = true;
    EXPECT_TRUE(form.Validate(SampleForm::kBroken));
    ASSERT_EQ(ui.messages.size(), 2u);
    EXPECT_EQ(ui.messages[0].text, "porucha");
    EXPECT_EQ(ui.messages[0].icon, MessageIcon::Error);
    EXPECT_EQ(ui.messages[1].text, "VM_Validate\n wParam = 0x2\n lParam = 0x0");
    EXPECT_EQ(ui.messages[1].caption, "Chyba");
}

TEST(FormProtocol, BackShowsTheStoredValuesAgain)
{
    ScriptedUi ui;
    SampleForm form(ui, 7);
    form.stored = CCislo(3);
    form.Open();
    form.Field(SampleForm::kValue).text = "-8";
    form.Back();
    EXPECT_EQ(form.Field(SampleForm::kValue).text, "3,00");
    EXPECT_TRUE(ui.messages.empty());
}

TEST(FormProtocol, NumberFieldTextAndMnemonics)
{
    const Separators czech;
    struct Case {
        const char* text;
        bool number;
    };
    for (const Case& c : {Case{"", true}, Case{"12", true}, Case{"-12,5", true}, Case{"1 234,50", true},
                          Case{" -3", true}, Case{"1-2", false}, Case{"12.5", false}, Case{"abc", false},
                          Case{"--1", false}}) {
        EXPECT_EQ(IsNumberFieldText(c.text, czech), c.number) << c.text;
    }
    EXPECT_TRUE(IsNumberFieldText("12.5", Separators{".", ","}));
    EXPECT_EQ(WithoutMnemonic("&Ulož"), "Ulož");
    EXPECT_EQ(WithoutMnemonic("c&ena/km"), "cena/km");
    EXPECT_EQ(WithoutMnemonic("R&&D"), "R&D");
}

class ProjektFormTest : public ::testing::Test {
protected:
    ProjektFormTest()
    {
        projekt.Nazev = "Dům\nBrno";
        projekt.hItem = 4;
        projekt.DopravaCena = CCislo(0);
    }
    CProjekt projekt;
    RecordingFormHost host;
};

TEST_F(ProjektFormTest, ShowsTheProjectAndSplitsNameAndPlace)
{
    projekt.Sleva = CCislo(5);
    projekt.DPH = CCislo(21);
    projekt.Vznik = "5.3.2016";
    projekt.CenikId = "CZ (Kč)";
    ProjektForm form(projekt, host);
    form.Open();
    EXPECT_EQ(form.Field(ProjektForm::kProjekt).text, "Dům");
    EXPECT_EQ(form.Field(ProjektForm::kUmisteni).text, "Brno");
    EXPECT_EQ(form.Field(ProjektForm::kSleva).text, "5,0");
    EXPECT_EQ(form.Field(ProjektForm::kDPH).text, "21,0");
    EXPECT_EQ(form.Field(ProjektForm::kKm).text, "");
    EXPECT_EQ(form.Field(ProjektForm::kCena).text, "0,00");
    EXPECT_EQ(form.Field(ProjektForm::kVznik).text, "5.3.2016");
    EXPECT_EQ(form.Field(ProjektForm::kCenik).text, "CZ (Kč)");

    projekt.Nazev = "Garáž";
    form.Back();
    EXPECT_EQ(form.Field(ProjektForm::kUmisteni).text, "");
}

TEST_F(ProjektFormTest, TransportPriceFollowsDistanceAndRate)
{
    ProjektForm form(projekt, host);
    form.Open();
    form.Field(ProjektForm::kKm).text = "100";
    EXPECT_TRUE(form.Validate(ProjektForm::kKm));
    form.Field(ProjektForm::kCenaKm).text = "12,50";
    EXPECT_TRUE(form.Validate(ProjektForm::kCenaKm));
    EXPECT_EQ(form.Field(ProjektForm::kCena).text, "1250,00");
    // The same price leaves the distance; another one empties it.
    EXPECT_TRUE(form.Validate(ProjektForm::kCena));
    EXPECT_EQ(form.Field(ProjektForm::kKm).text, "100");
    form.Field(ProjektForm::kCena).text = "900";
    EXPECT_TRUE(form.Validate(ProjektForm::kCena));
    EXPECT_EQ(form.Field(ProjektForm::kKm).text, "");
    EXPECT_EQ(form.Field(ProjektForm::kCena).text, "900");
    EXPECT_TRUE(host.ui.messages.empty());
}

TEST_F(ProjektFormTest, RefusedValuesKeepTheirFieldWithTheirMessage)
{
    struct Case {
        ProjektForm::FieldId field;
        const char* text;
        const char* message;
    };
    for (const Case& c : {Case{ProjektForm::kProjekt, "", "projekt musí mít jméno"},
                          Case{ProjektForm::kKm, "-1", "vzdálenost by měla být větší"},
                          Case{ProjektForm::kCenaKm, "-0,5", "sazba by měla být větší"},
                          Case{ProjektForm::kCena, "-10", "částka by měla být větší"}}) {
        SCOPED_TRACE(c.message);
        host.ui.messages.clear();
        ProjektForm form(projekt, host);
        form.Open();
        form.Field(c.field).text = c.text;
        EXPECT_FALSE(form.Validate(c.field));
        EXPECT_EQ(host.ui.messages, (std::vector<RecordedMessage>{{c.message, "Validace", MessageIcon::Question}}));
        EXPECT_EQ(form.Field(c.field).text, c.text);
    }
}

TEST_F(ProjektFormTest, SavingWritesNameWithItsLineFeedAndRelabels)
{
    ProjektForm form(projekt, host);
    form.Open();
    form.Field(ProjektForm::kProjekt).text = "Chata";
    form.Field(ProjektForm::kUmisteni).text = "";
    form.Field(ProjektForm::kSDPH).checked = true;
    form.Field(ProjektForm::kDPH).text = "21";
    EXPECT_EQ(form.Save(), FormOutcome::Done);
    EXPECT_EQ(projekt.Nazev, "Chata\n");
    EXPECT_TRUE(projekt.SDPH);
    EXPECT_EQ(projekt.DPH, CCislo(21));
    EXPECT_EQ(host.relabels, (std::vector<std::pair<TreeItem, std::string>>{{4, "Chata"}}));
    EXPECT_EQ(host.modifications, 1);
}

TEST(SkupinaFormTest, SavesNameAndDescriptionAndMarksOnlyAChange)
{
    RecordingFormHost host;
    CSkupina skupina;
    skupina.hItem = 9;
    SkupinaForm form(skupina, host);
    form.Open();
    EXPECT_EQ(form.Field(SkupinaForm::kSkupina).text, "Skupina");
    EXPECT_EQ(form.Save(), FormOutcome::Done);
    EXPECT_EQ(host.modifications, 0);

    form.Field(SkupinaForm::kSkupina).text = "Přízemí";
    form.Field(SkupinaForm::kPopis).text = "obvodové zdi\nvnitřní zdi";
    EXPECT_EQ(form.Save(), FormOutcome::Done);
    EXPECT_EQ(skupina.Nazev, "Přízemí");
    EXPECT_EQ(skupina.Popis, "obvodové zdi\nvnitřní zdi");
    EXPECT_EQ(host.relabels.back(), (std::pair<TreeItem, std::string>{9, "Přízemí"}));
    EXPECT_EQ(host.modifications, 1);

    form.Field(SkupinaForm::kSkupina).text = "jiné";
    form.Back();
    EXPECT_EQ(form.Field(SkupinaForm::kSkupina).text, "Přízemí");
}

TEST(HeightChoice, OffersSortedHeightsAndPreselectsTheNearestNotAbove)
{
    const Separators czech;
    const std::vector<std::string> offered{"  750 mm (3 řady)", "  500 mm (2 řady)", " 1000 mm (4 řady)"};
    struct Case {
        CCislo current;
        std::size_t preselected;
    };
    for (const Case& c : {Case{CCislo(760), 1}, Case{CCislo(750), 1}, Case{CCislo(2000), 2}, Case{CCislo(100), 0}}) {
        ScriptedUi ui;
        EXPECT_EQ(ChooseHeight(ui, "výška", offered, c.current, czech), CCislo::Parse(SortedHeights(offered)[c.preselected], czech));
        ASSERT_EQ(ui.heightChoices.size(), 1u);
        EXPECT_EQ(ui.heightChoices[0].lines,
                  (std::vector<std::string>{"  500 mm (2 řady)", "  750 mm (3 řady)", " 1000 mm (4 řady)"}));
        EXPECT_EQ(ui.heightChoices[0].preselected, c.preselected);
    }
    ScriptedUi ui;
    ui.heights = {2};
    EXPECT_EQ(ChooseHeight(ui, "výška", offered, CCislo(500), czech), CCislo(1000));
    EXPECT_TRUE(ChooseHeight(ui, "výška", {}, CCislo(500), czech).IsNull());
}

}  // namespace
}  // namespace belvo
