#pragma once

struct AlertQuestion;
struct AlertContent;
class QWidget;

// A question of the core as the shared Alerts service shows it.
AlertContent alertContentFor(const AlertQuestion& question);
// Asks `question` modally over `parent` and returns the index of the button chosen (0 is the
// default button).
int askQuestion(const AlertQuestion& question, QWidget* parent);
