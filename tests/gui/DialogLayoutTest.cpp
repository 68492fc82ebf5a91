#include "gui/app/WelcomeDialog.h"
#include "gui/platform/AboutDialog.h"
#include "gui/users/UserManagerDialog.h"
#include "gui/vfs/VfsEditorDialog.h"
#include "gui/wizard/BasicOptionsPage.h"
#include "gui/wizard/FinishPage.h"
#include "gui/wizard/MoreOptionsPage.h"
#include "gui/wizard/UsersIntroPage.h"
#include "gui/wizard/VfsIntroPage.h"
#include "texts/Translation.h"

#include "ScriptedUi.h"
#include "TempDir.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTextEdit>
#include <QTranslator>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <tuple>

using namespace vantor;
using namespace vantor::test;

namespace {

using DialogFactory = std::function<std::unique_ptr<ModalDialog>(WizardState&)>;

struct DialogCase {
    const char* name;
    DialogFactory make;
};

void PrintTo(const DialogCase& dialog, std::ostream* out) {
    *out << dialog.name;
}

// One line per dialog: a new dialog joins every layout check by one entry here.
const DialogCase kDialogs[] = {
    {"WelcomeDialog", [](WizardState& s) { return std::make_unique<WelcomeDialog>(s); }},
    {"BasicOptionsPage",
     [](WizardState& s) {
         return std::make_unique<BasicOptionsPage>(
             s, nullptr, [](int index) { return index == 0 ? 0x0a000001u : 0u; });
     }},
    {"MoreOptionsPage", [](WizardState& s) { return std::make_unique<MoreOptionsPage>(s); }},
    {"UsersIntroPage",
     [](WizardState& s) {
         writeFile("site.user", ""); // the page takes a single match without asking
         return std::make_unique<UsersIntroPage>(s);
     }},
    {"UserManagerDialog", [](WizardState& s) { return std::make_unique<UserManagerDialog>(s); }},
    {"FinishPage", [](WizardState& s) { return std::make_unique<FinishPage>(s); }},
    {"AboutDialog", [](WizardState&) { return std::make_unique<AboutDialog>(); }},
    {"VfsEditorDialog", [](WizardState& s) { return std::make_unique<VfsEditorDialog>(s); }},
    {"VfsIntroPage", [](WizardState& s) { return std::make_unique<VfsIntroPage>(s); }},
};

bool isInput(const QWidget* widget) {
    return qobject_cast<const QLineEdit*>(widget) || qobject_cast<const QComboBox*>(widget) ||
           qobject_cast<const QAbstractSpinBox*>(widget) ||
           qobject_cast<const QAbstractItemView*>(widget) || qobject_cast<const QTextEdit*>(widget);
}

bool isTabStop(const QWidget* widget) {
    return (isInput(widget) || qobject_cast<const QAbstractButton*>(widget)) &&
           widget->isVisible() && widget->isEnabled() &&
           (widget->focusPolicy() & Qt::TabFocus) == Qt::TabFocus;
}

std::string describe(const QWidget* widget, const QString& text = {}) {
    return (widget->objectName() + " " + widget->metaObject()->className() + " \"" + text + "\"")
        .toStdString();
}

// The widgets next to the label in the layout that holds it: the items before
// and after it in a box, the cells left and right of it in a grid.
std::vector<QWidget*> layoutNeighbours(const QWidget& dialog, QLabel* label) {
    std::vector<QWidget*> neighbours;
    const auto add = [&](QLayoutItem* item) {
        if (item != nullptr && item->widget() != nullptr)
            neighbours.push_back(item->widget());
    };
    for (QLayout* layout : dialog.findChildren<QLayout*>()) {
        const int index = layout->indexOf(label);
        if (index < 0)
            continue;
        if (auto* grid = qobject_cast<QGridLayout*>(layout)) {
            int row = 0, column = 0, rowSpan = 0, columnSpan = 0;
            grid->getItemPosition(index, &row, &column, &rowSpan, &columnSpan);
            add(grid->itemAtPosition(row, column - 1));
            add(grid->itemAtPosition(row, column + columnSpan));
        } else {
            add(layout->itemAt(index - 1));
            add(layout->itemAt(index + 1));
        }
    }
    return neighbours;
}

class DialogLayout : public ::testing::TestWithParam<std::tuple<DialogCase, bool>> {
protected:
    void SetUp() override {
        if (std::get<1>(GetParam())) {
            ASSERT_TRUE(installTranslations(*QCoreApplication::instance(), QLocale("zh_TW")));
        }
        dialog = std::get<0>(GetParam()).make(state);
        dialog->initDialog();
        dialog->show();
        dialog->layout()->activate();
    }
    void TearDown() override {
        dialog.reset();
        for (QTranslator* translator : QCoreApplication::instance()->findChildren<QTranslator*>()) {
            QCoreApplication::removeTranslator(translator);
            delete translator;
        }
    }

    ScriptedUi fake;
    TempDir dir;
    CurrentDirGuard inDir{dir.path()};
    WizardState state;
    std::unique_ptr<ModalDialog> dialog;
};

} // namespace

// Chinese texts run wider than the English ones, so a fixed size that fits one
// language cuts off the other.
TEST_P(DialogLayout, EveryTextGetsTheRoomItNeeds) {
    for (QLabel* label : dialog->findChildren<QLabel*>()) {
        if (!label->isVisible() || label->text().isEmpty())
            continue;
        const QSize size = label->size();
        if (label->wordWrap()) {
            EXPECT_GE(size.height(), label->heightForWidth(size.width()))
                << describe(label, label->text()) << " width " << size.width();
        } else {
            EXPECT_GE(size.width(), label->minimumSizeHint().width())
                << describe(label, label->text()) << " height " << size.height();
        }
    }
    for (QAbstractButton* button : dialog->findChildren<QAbstractButton*>()) {
        if (button->isVisible()) {
            EXPECT_GE(button->width(), button->sizeHint().width())
                << describe(button, button->text());
        }
    }
    for (QGroupBox* group : dialog->findChildren<QGroupBox*>()) {
        const int titleWidth = group->fontMetrics().horizontalAdvance(group->title());
        if (group->isVisible()) {
            EXPECT_GE(group->width(), titleWidth + 16) << describe(group, group->title());
        }
    }
}

// A label names the control beside it, so its mnemonic and a screen reader must
// reach that control; Tab must walk the controls the way the eye reads them.
TEST_P(DialogLayout, KeyboardReachesEveryControlInReadingOrder) {
    for (QLabel* label : dialog->findChildren<QLabel*>()) {
        if (!label->isVisible() || label->text().isEmpty() || label->buddy() != nullptr)
            continue;
        EXPECT_FALSE(label->text().endsWith(':') ||
                     label->text().endsWith(QChar(0xff1a))) // the full-width colon
            << describe(label, label->text()) << " has no buddy";
        for (QWidget* neighbour : layoutNeighbours(*dialog, label))
            EXPECT_FALSE(isInput(neighbour))
                << describe(label, label->text()) << " has no buddy beside " << describe(neighbour);
    }

    std::vector<QWidget*> stops;
    for (QWidget* child : dialog->findChildren<QWidget*>())
        if (isTabStop(child))
            stops.push_back(child);
    ASSERT_FALSE(stops.empty());
    QWidget* first = dialog->nextInFocusChain();
    while (first != dialog.get() && !isTabStop(first))
        first = first->nextInFocusChain();
    std::vector<QWidget*> chain;
    for (QWidget* at = first; at != dialog.get(); at = at->nextInFocusChain())
        if (isTabStop(at))
            chain.push_back(at);
    for (QWidget* stop : stops)
        EXPECT_NE(std::find(chain.begin(), chain.end(), stop), chain.end())
            << describe(stop) << " is not reached by Tab";

    for (std::size_t i = 1; i < chain.size(); ++i) {
        const QRect before(chain[i - 1]->mapToGlobal(QPoint()), chain[i - 1]->size());
        const QRect after(chain[i]->mapToGlobal(QPoint()), chain[i]->size());
        const bool sameRow = after.top() < before.bottom() && before.top() < after.bottom();
        const bool below = after.top() >= before.center().y();
        EXPECT_TRUE(sameRow ? after.left() > before.left() : below)
            << describe(chain[i]) << " follows " << describe(chain[i - 1]) << " but sits at ("
            << after.x() << "," << after.y() << ") against (" << before.x() << "," << before.y()
            << ")";
    }
}

// Enter presses the push button that has the focus, whichever it is. The
// buttons are made to toggle, their actions cut off, to show which one went.
TEST_P(DialogLayout, EnterPressesTheFocusedButton) {
    const auto buttons = dialog->findChildren<QPushButton*>();
    const std::vector<QSignalBlocker> quiet(buttons.begin(), buttons.end());
    for (QPushButton* button : buttons)
        button->setCheckable(true);
    for (QPushButton* button : buttons) {
        if (isTabStop(button)) {
            pressEnterOn(button);
            for (QPushButton* other : buttons)
                EXPECT_EQ(other->isChecked(), other == button) << describe(button);
            button->setChecked(false);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(EnglishAndChinese, DialogLayout,
                         ::testing::Combine(::testing::ValuesIn(kDialogs), ::testing::Bool()),
                         [](const ::testing::TestParamInfo<DialogLayout::ParamType>& info) {
                             return std::string(std::get<0>(info.param).name) +
                                    (std::get<1>(info.param) ? "Chinese" : "English");
                         });
