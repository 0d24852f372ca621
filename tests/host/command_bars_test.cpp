#include <gtest/gtest.h>

#include <array>
#include <string>
#include <utility>
#include <vector>

#include "host/host_error.h"
#include "sim_fixture.h"

namespace tarn::host::sim {
namespace {

class CommandBarsTest : public SimFixture {
protected:
    std::shared_ptr<SimExplorer> explorer = outlook.OpenExplorer(outlook.Inbox());
    CommandBarsPtr bars = explorer->CommandBars();

    // A button with the tag on the window's first bar.
    static CommandBarControlPtr AddButton(const CommandBarsPtr& window_bars, const std::u16string& tag) {
        auto button = window_bars->Item(1)->Controls()->Add(ControlType::Button, std::nullopt, true);
        button->SetTag(tag);
        return button;
    }
};

TEST_F(CommandBarsTest, WindowsStartWithTheBuiltInBars) {
    ASSERT_EQ(bars->Count(), 2);
    EXPECT_EQ(bars->Item(1)->Name(), u"Menu Bar");
    EXPECT_EQ(bars->Item(2)->NameLocal(), u"Standard");
    EXPECT_TRUE(bars->Item(2)->Visible());
    EXPECT_GT(bars->Item(2)->Controls()->Count(), 0);
    EXPECT_THROW(bars->Item(3), HostError);

    const auto inspector_bars = outlook.OpenInspector(Mail("a"))->CommandBars();
    ASSERT_EQ(inspector_bars->Count(), 1);
    EXPECT_EQ(inspector_bars->Item(1)->Name(), u"Standard");
}

TEST_F(CommandBarsTest, NewBarsAreHiddenAndEnabledAndTheirNamesAreUnique) {
    const auto bar = bars->Add(u"Tarn-General", BarPosition::Left, true);
    EXPECT_EQ(bars->Item(3), bar);
    EXPECT_EQ(bar->Name(), u"Tarn-General");
    EXPECT_EQ(bar->NameLocal(), u"Tarn-General");
    EXPECT_EQ(bar->Position(), BarPosition::Left);
    EXPECT_FALSE(bar->Visible());
    EXPECT_TRUE(bar->Enabled());
    EXPECT_EQ(bar->Controls()->Count(), 0);
    EXPECT_TRUE(std::dynamic_pointer_cast<SimCommandBar>(bar)->State().temporary);
    EXPECT_THROW(bars->Add(u"TARN-GENERAL", BarPosition::Top, false), HostError);

    bar->SetNameLocal(u"Tarn-Allgemein");  // a localized Outlook
    EXPECT_EQ(bar->Name(), u"Tarn-General");
    EXPECT_EQ(bar->NameLocal(), u"Tarn-Allgemein");
}

TEST_F(CommandBarsTest, ControlsAreInsertedAtTheirPositionWithPlainDefaults) {
    const auto controls = bars->Add(u"Tarn", BarPosition::Top, true)->Controls();
    const auto last = controls->Add(ControlType::Button, std::nullopt, true);
    const auto first = controls->Add(ControlType::ComboBox, 1, false);
    const auto middle = controls->Add(ControlType::Button, 2, true);
    EXPECT_EQ(controls->Item(1), first);
    EXPECT_EQ(controls->Item(2), middle);
    EXPECT_EQ(controls->Item(3), last);
    EXPECT_THROW(controls->Add(ControlType::Button, 5, true), HostError);
    EXPECT_THROW(controls->Add(ControlType::Button, 0, true), HostError);
    EXPECT_EQ(controls->Count(), 3);

    EXPECT_EQ(first->Type(), ControlType::ComboBox);
    EXPECT_EQ(last->Tag(), u"");
    EXPECT_EQ(last->Caption(), u"");
    EXPECT_EQ(last->TooltipText(), u"");
    EXPECT_EQ(last->Parameter(), u"");
    EXPECT_TRUE(last->Visible());
    EXPECT_TRUE(last->Enabled());
    EXPECT_EQ(last->Style(), 0);
    EXPECT_FALSE(std::dynamic_pointer_cast<SimCommandBarControl>(first)->State().temporary);
}

TEST_F(CommandBarsTest, OnlyPopupsHaveControlsInside) {
    const auto controls = bars->Add(u"Tarn", BarPosition::Top, true)->Controls();
    EXPECT_THROW(controls->Add(ControlType::Button, std::nullopt, true)->Controls(), HostError);
    const auto popup = controls->Add(ControlType::Popup, std::nullopt, true);
    EXPECT_EQ(popup->Controls()->Count(), 0);
}

TEST_F(CommandBarsTest, FindControlSearchesEveryBarAndPopupInOrder) {
    const auto options = bars->FindControl(ControlType::Button, u"Outlook.Tools.Options");  // inside "&Tools"
    ASSERT_NE(options, nullptr);
    EXPECT_EQ(options->Caption(), u"&Options...");
    EXPECT_EQ(bars->FindControl(ControlType::Button, u"Tarn.Ban"), nullptr);
    EXPECT_EQ(bars->FindControl(ControlType::Popup, u"Outlook.Tools.Options"), nullptr);  // wrong type

    const auto popup =
        bars->Add(u"Tarn", BarPosition::Top, true)->Controls()->Add(ControlType::Popup, std::nullopt, true);
    const auto inside = popup->Controls()->Add(ControlType::Button, std::nullopt, true);
    inside->SetTag(u"Tarn.Ban");
    const auto later = bars->Item(3)->Controls()->Add(ControlType::Button, std::nullopt, true);
    later->SetTag(u"Tarn.Ban");
    EXPECT_EQ(bars->FindControl(ControlType::Button, u"Tarn.Ban"), inside);

    // Other windows' bars are not searched.
    EXPECT_EQ(outlook.OpenExplorer(outlook.Inbox())->CommandBars()->FindControl(ControlType::Button, u"Tarn.Ban"),
              nullptr);
}

TEST_F(CommandBarsTest, DeletedControlsAndBarsLeaveAndRefuseEveryMember) {
    const auto bar = bars->Add(u"Tarn", BarPosition::Top, true);
    const auto popup = bar->Controls()->Add(ControlType::Popup, std::nullopt, true);
    const auto inside = popup->Controls()->Add(ControlType::Button, std::nullopt, true);
    const auto button = bar->Controls()->Add(ControlType::Button, std::nullopt, true);
    button->SetPicture({1, 1, {0x00FF00}});
    button->SetMask({1, 1, {0xFFFFFF}});
    EXPECT_EQ(std::dynamic_pointer_cast<SimCommandBarControl>(button)->State().picture, (host::Picture{1, 1, {0x00FF00}}));
    EXPECT_EQ(std::dynamic_pointer_cast<SimCommandBarControl>(button)->State().mask, (host::Picture{1, 1, {0xFFFFFF}}));

    button->Delete(false);
    EXPECT_EQ(bar->Controls()->Count(), 1);
    EXPECT_EQ(std::dynamic_pointer_cast<SimCommandBarControl>(button)->State().delete_temporary, false);
    EXPECT_THROW(button->Caption(), HostError);

    bar->Delete();
    EXPECT_EQ(bars->Count(), 2);
    EXPECT_THROW(bar->Name(), HostError);
    EXPECT_THROW(popup->Tag(), HostError);
    EXPECT_THROW(inside->SetCaption(u"x"), HostError);
}

class ControlEvents : public CommandBarsTest {
protected:
    // Subscribes to the control's Click and logs, per event, the name given and the clicked control.
    host::Subscription Record(const CommandBarControlPtr& control, std::string name) {
        return control->OnClick([this, name](const CommandBarControlPtr& clicked) { log.emplace_back(name, clicked); });
    }

    std::vector<std::pair<std::string, CommandBarControlPtr>> log;
};

TEST_F(ControlEvents, AClickReachesEverySubscribedControlWithTheSameTagOnceWithTheClickedControl) {
    const auto second_bars = outlook.OpenExplorer(outlook.Inbox())->CommandBars();
    const auto inspector_bars = outlook.OpenInspector(Mail("a"))->CommandBars();
    const auto clicked = AddButton(bars, u"Tarn.Spam");
    const auto twin = AddButton(second_bars, u"Tarn.Spam");
    const auto in_inspector = AddButton(inspector_bars, u"Tarn.Spam");
    const auto unrelated = AddButton(second_bars, u"Tarn.Friend");
    AddButton(bars, u"Tarn.Spam");  // same tag, nobody listens
    const auto subscriptions = std::array{Record(clicked, "clicked"), Record(twin, "twin"),
                                          Record(in_inspector, "inspector"), Record(unrelated, "unrelated")};
    outlook.PumpEvents();  // the windows' openings

    outlook.Click(clicked);
    EXPECT_TRUE(log.empty());
    EXPECT_EQ(outlook.PumpEvents(), 1);
    ASSERT_EQ(log.size(), 3u);
    EXPECT_EQ(log[0], std::make_pair(std::string("clicked"), clicked));
    EXPECT_EQ(log[1], std::make_pair(std::string("twin"), clicked));
    EXPECT_EQ(log[2], std::make_pair(std::string("inspector"), clicked));
}

TEST_F(ControlEvents, TheTagIsReadWhenTheClickIsDispatchedAndClosedWindowsHearNothing) {
    const auto other = outlook.OpenExplorer(outlook.Inbox());
    const auto clicked = AddButton(bars, u"Tarn.Spam");
    const auto twin = AddButton(other->CommandBars(), u"Tarn.Friend");
    const auto subscriptions = std::array{Record(clicked, "clicked"), Record(twin, "twin")};

    outlook.Click(clicked);
    clicked->SetTag(u"Tarn.Friend");
    outlook.PumpEvents();
    EXPECT_EQ(log.size(), 2u);

    log.clear();
    outlook.Close(other);
    outlook.Click(clicked);
    outlook.PumpEvents();
    ASSERT_EQ(log.size(), 1u);
    EXPECT_EQ(log[0].first, "clicked");
}

TEST_F(ControlEvents, AControlWithoutTagRaisesOnlyOnItself) {
    const auto clicked = AddButton(bars, u"");
    const auto other = AddButton(bars, u"");
    const auto subscriptions = std::array{Record(clicked, "clicked"), Record(other, "other")};
    outlook.Click(clicked);
    outlook.PumpEvents();
    ASSERT_EQ(log.size(), 1u);
    EXPECT_EQ(log[0].first, "clicked");
}

TEST_F(ControlEvents, ChangeComesFromEditingControlsClickFromButtonsAndNothingFromPopups) {
    const auto controls = bars->Add(u"Tarn", BarPosition::Top, true)->Controls();
    const auto combo = controls->Add(ControlType::ComboBox, std::nullopt, true);
    const auto edit = controls->Add(ControlType::Edit, std::nullopt, true);
    combo->SetTag(u"Tarn.Word");
    edit->SetTag(u"Tarn.Word");
    int changes = 0;
    const auto subscriptions = std::array{combo->OnChange([&](const CommandBarControlPtr&) { ++changes; }),
                                          edit->OnChange([&](const CommandBarControlPtr&) { ++changes; })};
    outlook.Change(combo);
    outlook.Click(combo);  // nobody listens to a combo box's Click
    outlook.PumpEvents();
    EXPECT_EQ(changes, 2);

    EXPECT_THROW(edit->OnClick([](const CommandBarControlPtr&) {}), HostError);
    EXPECT_THROW(controls->Add(ControlType::Button, std::nullopt, true)->OnChange([](const CommandBarControlPtr&) {}),
                 HostError);
    // Office serves no events at all on a pop-up: opening it only shows its menu.
    const auto popup = controls->Add(ControlType::Popup, std::nullopt, true);
    EXPECT_THROW(popup->OnClick([](const CommandBarControlPtr&) {}), HostError);
    EXPECT_THROW(popup->OnChange([](const CommandBarControlPtr&) {}), HostError);
}

}  // namespace
}  // namespace tarn::host::sim
