// What an action raised, as the message the user would read.
#pragma once

#include "shared/AppError.h"

#include <QString>

#include <functional>

// The message of the AppError the action throws; empty when it throws none.
inline QString appErrorText(const std::function<void()> &action)
{
    try {
        action();
    } catch (const AppError &error) {
        return error.message();
    }
    return QString();
}
