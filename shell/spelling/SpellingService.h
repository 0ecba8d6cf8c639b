// SPDX-License-Identifier: MIT
#pragma once

#include "controllers/ISpellCheckView.h"

#include <QObject>
#include <QPointer>

#include <filesystem>
#include <functional>
#include <memory>
#include <vector>

class QMenu;
class QPlainTextEdit;

namespace TarnViewModel {
class SpellCheckController;
class TarnDataModel;
}  // namespace TarnViewModel

namespace TarnGui {

class SpellingHighlighter;

// Spell checking for the window's text boxes: each box attached gets wavy underlines and
// corrections on its right-click menu. Whether spelling is checked is remembered.
class SpellingService : public QObject, public TarnViewModel::ISpellCheckView {
    Q_OBJECT
public:
    SpellingService(TarnViewModel::TarnDataModel& model, QWidget* window);
    ~SpellingService() override;

    // The box's own right-click menu, made afresh; the caller owns it.
    using MenuMaker = std::function<QMenu*()>;
    void Attach(QPlainTextEdit* editor, MenuMaker ownMenu);

    bool Enabled() const;
    void SetEnabled(bool enabled);
    void Ignore(const std::wstring& word);
    void AddToDictionary(const std::wstring& word);
    // Returns once a dictionary being read is read; it is used once the events waiting are
    // handled.
    void FinishLoading();
    const Spelling::SpellChecker* Checker() const { return checker_; }

    void UseSpellChecker(const Spelling::SpellChecker* checker) override;
    void ShowSpellingNotice(const std::wstring& message) override;
    void ShowSpellingFailure(std::exception_ptr failure) override;

signals:
    // Why spelling is not checked, for the status bar.
    void Notice(const QString& message);

private:
    QWidget* window_;
    const Spelling::SpellChecker* checker_ = nullptr;
    std::vector<QPointer<SpellingHighlighter>> highlighters_;
    std::unique_ptr<TarnViewModel::SpellCheckController> controller_;
};

}  // namespace TarnGui
