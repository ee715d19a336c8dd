#pragma once

#include "setup/maintenance/maintenance_outcome.h"

#include <QString>
#include <span>

namespace vn {

// One entry of the factory's task list.
struct MaintenanceTask {
    int number;
    const char* caption;
    const char* question;  // asked (No, OK) before the task runs; nullptr: none
    bool beepFirst;        // a beep before the question
    TaskOutcome (*run)(MaintenanceContext& context);
};

// The tasks in list order, numbered from 1.
std::span<const MaintenanceTask> maintenanceTasks();

// The caption as the list shows it: "3)   Convert Record Keys".
QString numberedCaption(const MaintenanceTask& task);

}  // namespace vn
