// SPDX-License-Identifier: MIT
#include "shell/spelling/SpellingService.h"

#include "controllers/SpellCheckController.h"
#include "drawing/QtText.h"
#include "shell/spelling/SpellingHighlighter.h"
#include "shell/spelling/SpellingMenu.h"
#include "shell/support/ErrorBoundary.h"
#include "spelling/DictionaryCatalog.h"

#include <QPlainTextEdit>
#include <QSettings>

namespace TarnGui {

namespace {

const QString EnabledSetting = QStringLiteral("spelling/checkAsYouType");

}  // namespace

SpellingService::SpellingService(TarnViewModel::TarnDataModel& model, QWidget* window) : QObject(window), window_(window)
{
    // The dictionary comes back through the event queue; once this object is gone it is
    // dropped.
    controller_ = std::make_unique<TarnViewModel::SpellCheckController>(
        model, this, [this](std::function<void()> done) { QMetaObject::invokeMethod(this, std::move(done), Qt::QueuedConnection); },
        Spelling::DictionaryFolders(), Spelling::UserDictionary(Spelling::UserDictionary::DefaultFile()));
    controller_->SetEnabled(Enabled());
}

// The controller finishes a dictionary being read before this object goes.
SpellingService::~SpellingService()
{
    controller_.reset();
}

void SpellingService::Attach(QPlainTextEdit* editor, MenuMaker ownMenu)
{
    auto* highlighter = new SpellingHighlighter(editor);
    highlighter->SetChecker(checker_);
    new SpellingMenu(editor, highlighter, *this, std::move(ownMenu));
    std::erase_if(highlighters_, [](const QPointer<SpellingHighlighter>& gone) { return gone.isNull(); });
    highlighters_.emplace_back(highlighter);
}

bool SpellingService::Enabled() const
{
    return QSettings().value(EnabledSetting, true).toBool();
}

void SpellingService::SetEnabled(bool enabled)
{
    QSettings().setValue(EnabledSetting, enabled);
    controller_->SetEnabled(enabled);
}

void SpellingService::Ignore(const std::wstring& word)
{
    controller_->Ignore(word);
}

void SpellingService::AddToDictionary(const std::wstring& word)
{
    RunGuarded(window_, [&] { controller_->AddToDictionary(word); });
}

void SpellingService::FinishLoading()
{
    controller_->Finish();
}

void SpellingService::UseSpellChecker(const Spelling::SpellChecker* checker)
{
    checker_ = checker;
    for (const QPointer<SpellingHighlighter>& highlighter : highlighters_) {
        if (!highlighter.isNull()) {
            highlighter->SetChecker(checker);
        }
    }
}

void SpellingService::ShowSpellingNotice(const std::wstring& message)
{
    emit Notice(Drawing::ToQString(message));
}

void SpellingService::ShowSpellingFailure(std::exception_ptr failure)
{
    emit Notice(FailureMessage(failure) + tr(" Spelling is not checked."));
}

}  // namespace TarnGui
