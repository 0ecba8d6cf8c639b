// SPDX-License-Identifier: MIT
#include "MainWindowFixture.h"
#include "document/BookSnapshot.h"
#include "shell/dialogs/CAboutDlg.h"
#include "shell/dialogs/CChoiceEditorDlg.h"
#include "shell/dialogs/ExportTypeDlg.h"
#include "shell/dialogs/PdfPageSetupDlg.h"
#include "shell/dialogs/RecoveryDialog.h"
#include "shell/dialogs/StatisticsDlg.h"

#include <QAbstractButton>
#include <QDialogButtonBox>
#include <QDockWidget>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QTabBar>
#include <QTranslator>
#include <QTreeWidget>

#include <gmock/gmock.h>

#include <set>

namespace {

// Every text of the window read through a translation that marks each text it knows: a text
// without the mark is one the translation tools never saw.
class PseudoTranslationTest : public TestSupport::MainWindowFixture {
protected:
    static void SetUpTestSuite()
    {
        translator_ = new QTranslator(qApp);
        ASSERT_TRUE(translator_->load(QStringLiteral(BRINDLE_PSEUDO_QM)));
        QCoreApplication::installTranslator(translator_);
    }
    static void TearDownTestSuite() { QCoreApplication::removeTranslator(translator_); }

    // Numbers, symbols and what the author wrote need no translation.
    static bool NeedsNoTranslation(const QString& text)
    {
        static const QRegularExpression symbolsOnly(QStringLiteral(R"(^[\d\s\W]*$)"));
        return text.isEmpty() || symbolsOnly.match(text).hasMatch();
    }
    void Check(const QString& where, const QString& text)
    {
        if (!NeedsNoTranslation(text) && !text.contains(u'\u27e6')) {
            untranslated_.insert(where + QStringLiteral(": ") + text);
        }
    }
    void CheckWidgets(const QWidget& top)
    {
        QList<QWidget*> widgets = top.findChildren<QWidget*>();
        widgets.append(const_cast<QWidget*>(&top));
        for (const QWidget* widget : widgets) {
            const QString name = QString::fromLatin1(widget->metaObject()->className());
            Check(name + QStringLiteral(" tooltip"), widget->toolTip());
            // Qt's own title and tab buttons are named in Qt's translations.
            if (name != u"QDockWidgetTitleButton" && qobject_cast<const QTabBar*>(widget->parent()) == nullptr) {
                Check(name + QStringLiteral(" accessible name"), widget->accessibleName());
                Check(name + QStringLiteral(" accessible description"), widget->accessibleDescription());
            }
            if (const auto* button = qobject_cast<const QAbstractButton*>(widget)) {
                // Qt's own translations name the standard buttons.
                const auto* box = qobject_cast<const QDialogButtonBox*>(button->parent());
                if (box == nullptr || box->standardButton(const_cast<QAbstractButton*>(button)) == QDialogButtonBox::NoButton) {
                    Check(name, button->text());
                }
            } else if (const auto* label = qobject_cast<const QLabel*>(widget); label != nullptr && label->isVisible()) {
                Check(name, label->text());
            } else if (const auto* group = qobject_cast<const QGroupBox*>(widget)) {
                Check(name, group->title());
            } else if (const auto* line = qobject_cast<const QLineEdit*>(widget)) {
                Check(name + QStringLiteral(" placeholder"), line->placeholderText());
            } else if (const auto* dock = qobject_cast<const QDockWidget*>(widget)) {
                Check(name, dock->windowTitle());
            } else if (const auto* tree = qobject_cast<const QTreeWidget*>(widget)) {
                for (QTreeWidgetItemIterator item(const_cast<QTreeWidget*>(tree)); *item; ++item) {
                    Check(QStringLiteral("property"), (*item)->text(0));
                    Check(QStringLiteral("property tooltip"), (*item)->toolTip(0));
                }
            }
            if (widget->isWindow()) {
                Check(name + QStringLiteral(" title"), widget->windowTitle());
            }
            // Languages are listed under their own names.
            if (widget->objectName() == u"LanguageMenu") {
                continue;
            }
            for (const QAction* action : widget->actions()) {
                Check(QStringLiteral("action"), action->text());
                Check(QStringLiteral("action tooltip"), action->toolTip());
                Check(QStringLiteral("action status tip"), action->statusTip());
            }
        }
    }
    std::vector<std::string> Untranslated() const
    {
        std::vector<std::string> texts;
        for (const QString& text : untranslated_) {
            texts.push_back(text.toStdString());
        }
        return texts;
    }

    static inline QTranslator* translator_ = nullptr;
    std::set<QString> untranslated_;
};

TEST_F(PseudoTranslationTest, EveryTextOfTheWindowAndItsDialogsGoesThroughTheTranslation)
{
    Frame().resize(1366, 768);
    QApplication::processEvents();
    CheckWidgets(Frame());
    for (const QMenu* menu : Frame().menuBar()->findChildren<QMenu*>()) {
        Check(QStringLiteral("menu"), menu->title());
    }

    TarnGui::CAboutDlg about([](const QUrl&) { return true; }, &Frame());
    CheckWidgets(about);
    TarnGui::CChoiceEditorDlg choice({{1, L""}, {2, L"Cellar"}}, 2, L"Go down", true, &Frame());
    CheckWidgets(choice);
    TarnGui::ExportTypeDlg exportType(&Frame());
    CheckWidgets(exportType);
    TarnGui::PdfPageSetupDlg pages(&Frame());
    CheckWidgets(pages);
    TarnGui::RecoveryDialog recovery({TarnViewModel::RecoveryCopy{"", "", "", L"", "Untitled", std::chrono::system_clock::now()}},
                                     &Frame());
    CheckWidgets(recovery);
    TarnGui::StatisticsDlg statistics(*Model().Snapshot(), &Frame());
    CheckWidgets(statistics);

    EXPECT_THAT(Untranslated(), testing::IsEmpty());
}

// A longer language must not cut a control's text at the smallest screen the window is made
// for; the window as it looks is kept beside the test for a person to see.
TEST_F(PseudoTranslationTest, ALongerLanguageCutsNoControlAt1366By768)
{
    Frame().setGeometry(0, 0, 1366, 768);
    Frame().findChild<QDockWidget*>(QStringLiteral("PlayPane"))->show();
    QApplication::processEvents();
    std::vector<std::string> cut;
    for (const QWidget* widget : Frame().findChildren<QWidget*>()) {
        const auto* button = qobject_cast<const QAbstractButton*>(widget);
        const auto* label = qobject_cast<const QLabel*>(widget);
        const bool control = (button != nullptr && !button->text().isEmpty()) || (label != nullptr && !label->wordWrap());
        if (control && widget->isVisible() && widget->width() < widget->minimumSizeHint().width()) {
            cut.push_back(widget->metaObject()->className() + std::string(" ") + widget->objectName().toStdString());
        }
    }
    EXPECT_THAT(cut, testing::IsEmpty());
    Frame().grab().save(QStringLiteral("pseudo-translation-1366x768.png"));
}

}  // namespace
