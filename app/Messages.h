#pragma once

#include <QString>

namespace stoupe {

// Shows a message in the alert window and returns when it closes. A
// help-bearing message closes an older help-bearing one still open; closed
// with its Help button it opens the help document.
void ShowMessage(const QString& text, const QString& title, bool offerHelp = false);

// Asks a Yes/No question; true when answered Yes.
bool AskYesNo(const QString& text, const QString& title);

// Closes the open question from outside; the question then returns false.
void CloseOpenQuestion();

} // namespace stoupe
