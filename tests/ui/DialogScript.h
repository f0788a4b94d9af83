#pragma once

#include <QString>
#include <functional>

class QDialog;

// Runs `answer` on the modal dialog named `name` (its object name) once it is on screen, and
// ends the dialog if `answer` did not. Other modal windows on the way (a progress sheet) are
// waited out; after `tries` turns of the event loop without it the test fails.
void whenDialogNamed(const QString& name, std::function<void(QDialog&)> answer, int tries = 500);
