#pragma once
// A schedule as calendar events of the system's service manager (the OnCalendar= values of a
// timer unit), and the check that spaces the runs where a calendar event cannot: "every 7
// minutes", "every 3 days", "every other week". The timer starts the scheduled clean at each
// event; the clean then runs only when the spacing allows, measured from the last scheduled
// clean.
//
// Events are minutes: a schedule never runs more than once a minute. A count of 0 or less
// (minutes, hours, days, weeks) counts as 1 of the smallest step of its kind. The n-th week day
// of a month is the week day of the month's n-th week, weeks running Monday to Sunday and
// belonging to the month that holds their Thursday (the first Monday of January can be on 30
// December).

#include <string>
#include <vector>

#include "cleaner/TScheduler.h"

// The OnCalendar= values of the schedule, in local time; empty when the schedule can never fall
// due (a moment already past is still given: the timer then never elapses).
std::vector<std::string> OnCalendarExpressions(const TSchedule& schedule);

// Whether a clean started by the timer at `now` keeps the schedule's spacing after the last
// scheduled clean (0: none yet).
bool ScheduledRunAllowed(const TSchedule& schedule, TDateTime lastRun, TDateTime now);
