// Forms from descriptions: the loading order, bindings by name, references,
// and clear failures for what a description gets wrong.
#include "framework/Application.h"
#include "framework/ClassRegistry.h"
#include "framework/Exception.h"
#include "framework/Forms.h"
#include "framework/FrameworkClasses.h"
#include "framework/Handlers.h"
#include "framework/Menus.h"
#include "framework/StdCtrls.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::vector<std::string>& Journal() {
    static std::vector<std::string> journal;
    return journal;
}

// A component that writes down when its property is set (and whether it
// was loading then), when Loaded runs, and what its reference points to.
class TProbe : public TComponent {
public:
    explicit TProbe(TComponent* owner) : TComponent(owner) {}
    void SetValue(int value) {
        Journal().push_back(Name() + ".Value=" + std::to_string(value) + (IsLoading() ? " (loading)" : ""));
    }
    void SetBuddy(TProbe* buddy) { buddy_ = buddy; }
    TProbe* Buddy() const { return buddy_; }
    void Loaded() override {
        TComponent::Loaded();
        Journal().push_back(Name() + ".Loaded" + (buddy_ ? " buddy=" + buddy_->Name() : ""));
    }
    TNotifyEvent OnPoke;

private:
    TProbe* buddy_ = nullptr;
};

const TClassInfo& TProbeClass() {
    static const TClassInfo info = [] {
        TClassInfo i("TProbe", &TComponentClass(), FactoryOf<TProbe>());
        Published<TProbe>(i)
            .Integer("Value", &TProbe::SetValue)
            .Reference<TProbe>("Buddy", &TProbe::SetBuddy)
            .Event("OnPoke", &TProbe::OnPoke);
        return i;
    }();
    return info;
}

class TTestForm : public TForm {
public:
    TTestForm(TComponent* owner, std::string_view description) : TForm(owner) {
        handlers_.Add("FormCreate", this, &TTestForm::FormCreate)
            .Add("ProbePoke", this, &TTestForm::ProbePoke)
            .Add("LabelDown", this, &TTestForm::LabelDown);
        ReadDescription(description, handlers_);
    }
    void FormCreate(TObject*) { Journal().push_back("FormCreate"); }
    void ProbePoke(TObject* sender) { Journal().push_back("poked " + static_cast<TComponent*>(sender)->Name()); }
    void LabelDown(TObject*, TMouseButton, TShiftState, int, int) { Journal().push_back("label down"); }

private:
    HandlerTable handlers_;
};

class FormDescriptionTest : public testing::Test {
protected:
    void SetUp() override {
        Journal().clear();
        RegisterClass(TProbeClass());
    }
    TApplication app;
};

constexpr const char* kForm = R"(object Form1: TForm1
  Caption = 'Hopmark'
  ClientWidth = 299
  ClientHeight = 87
  BorderStyle = bsSingle
  BorderIcons = [biSystemMenu]
  Font.Charset = SHIFTJIS_CHARSET
  Font.Name = 'ＭＳ Ｐゴシック'
  Font.Height = -12
  OnCreate = FormCreate
  // the probes refer to each other: the second one is not made yet
  object First: TProbe
    Value = 1
    Buddy = Second
  end
  object Second: TProbe
    Value = 2
    OnPoke = ProbePoke
  end
  object Label1: TLabel
    Left = 12
    Top = 8
    Caption = '訪問先は？'
    OnMouseDown = LabelDown
  end
end
)";

TEST_F(FormDescriptionTest, SetsPropertiesWhileLoadingThenLoadedThenOnCreate) {
    auto* form = TComponent::Create<TTestForm>(&app, kForm);
    EXPECT_EQ(Journal(), (std::vector<std::string>{"First.Value=1 (loading)", "Second.Value=2 (loading)",
                                                   "First.Loaded buddy=Second", "Second.Loaded", "FormCreate"}));
    EXPECT_EQ(form->Name(), "Form1");
    EXPECT_EQ(form->Caption(), "Hopmark");
    EXPECT_EQ(form->ClientWidth(), 299);
    EXPECT_EQ(form->BorderStyle(), bsSingle);
    EXPECT_EQ(form->BorderIcons(), platform::biSystemMenu);
    EXPECT_EQ(form->Font().Charset(), SHIFTJIS_CHARSET);
    EXPECT_FALSE(form->IsLoading());
    EXPECT_FALSE(form->Visible());
}

TEST_F(FormDescriptionTest, BindsEventsByHandlerNameAndNestsControls) {
    auto* form = TComponent::Create<TTestForm>(&app, kForm);
    auto* second = dynamic_cast<TProbe*>(form->FindComponent("Second"));
    ASSERT_NE(second, nullptr);
    ASSERT_TRUE(second->OnPoke);
    second->OnPoke(second);
    EXPECT_EQ(Journal().back(), "poked Second");

    auto* label = dynamic_cast<TLabel*>(form->FindComponent("Label1"));
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->Parent(), form);
    EXPECT_EQ(label->Caption(), "訪問先は？");
    EXPECT_EQ(label->Font().Name(), "ＭＳ Ｐゴシック");  // follows the form's font
    EXPECT_GT(label->Width(), 0);                         // sized to its caption once loaded
    label->Perform(0x201, 0, 0);
    EXPECT_EQ(Journal().back(), "label down");
}

TEST_F(FormDescriptionTest, LeftOutPropertiesKeepTheirDefaults) {
    auto* form = TComponent::Create<TTestForm>(&app, "object F: TForm\nend\n");
    EXPECT_EQ(form->BorderStyle(), bsSizeable);
    EXPECT_EQ(form->Position(), poDesigned);
    EXPECT_EQ(form->ComponentCount(), 0);
}

TEST_F(FormDescriptionTest, MistakesAreClearErrorsNamingTheCause) {
    struct Case {
        const char* what;
        std::string description;
        std::string mentions;
    };
    const Case cases[] = {
        {"unknown property", "object F: TForm\n  Colour = 3\nend\n", "Colour"},
        {"unknown class", "object F: TForm\n  object X: TNoSuchThing\n  end\nend\n", "TNoSuchThing"},
        {"unknown handler", "object F: TForm\n  OnCreate = NoSuchHandler\nend\n", "NoSuchHandler"},
        {"handler of another shape", "object F: TForm\n  OnCreate = LabelDown\nend\n", "LabelDown"},
        {"unknown reference", "object F: TForm\n  object P: TProbe\n    Buddy = Nobody\n  end\nend\n", "Nobody"},
        {"reference of another kind",
         "object F: TForm\n  object P: TProbe\n    Buddy = L\n  end\n  object L: TLabel\n  end\nend\n", "L"},
        {"value of another kind", "object F: TForm\n  ClientWidth = 'wide'\nend\n", "line 2"},
        {"unknown enumeration value", "object F: TForm\n  BorderStyle = bsRound\nend\n", "bsRound"},
        {"missing end", "object F: TForm\n  Caption = 'x'\n", "end"},
        {"unterminated string", "object F: TForm\n  Caption = 'x\nend\n", "line 2"},
        {"two components of one name", "object F: TForm\n  object P: TProbe\n  end\n  object P: TProbe\n  end\nend\n",
         "P"},
    };
    for (const auto& c : cases) {
        try {
            TComponent::Create<TTestForm>(&app, c.description);
            ADD_FAILURE() << c.what << ": no exception";
        } catch (const EReadError& e) {
            EXPECT_NE(e.Message().find(c.mentions), std::string::npos) << c.what << ": " << e.Message();
        }
    }
    EXPECT_EQ(app.ComponentCount(), 0);  // a form that failed to load leaves nothing behind
}

TEST_F(FormDescriptionTest, MenuItemsNestInTheirMenuInOrder) {
    auto* form = TComponent::Create<TTestForm>(&app, R"(object F: TForm
  object Menu: TPopupMenu
    object A: TMenuItem
      Caption = 'one'
    end
    object Line: TMenuItem
      Caption = '-'
    end
    object B: TMenuItem
      Caption = 'two'
      Checked = True
    end
  end
end
)");
    auto* menu = dynamic_cast<TPopupMenu*>(form->FindComponent("Menu"));
    ASSERT_NE(menu, nullptr);
    ASSERT_EQ(menu->Items().Count(), 3);
    EXPECT_EQ(menu->Items().Items(0)->Caption(), "one");
    EXPECT_TRUE(menu->Items().Items(1)->IsSeparator());
    EXPECT_TRUE(menu->Items().Items(2)->Checked());
    EXPECT_EQ(menu->Items().Items(2)->Owner(), form);
}

}  // namespace
