#pragma once

#include <QDate>

#include <functional>

// The system date: the employer screen offers its years from it, and the rules tell by it which
// years those are. Tests set a date of their own; an empty function gives the system's again.
QDate today();
void setToday(std::function<QDate()> clock);
