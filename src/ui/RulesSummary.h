#pragma once

#include <QString>

// The rules of the game in short, as rich text for the help window.
QString RulesSummary();
