#pragma once

#include <QString>

// The outcome of writing a picture file.
struct WriteOutcome
{
    enum class Status {
        Written,
        ReadOnly, // the file or its folder may not be written
        Failed, // anything else: `reason` is the system's description
    };

    Status status = Status::Failed;
    QString reason;

    bool written() const { return status == Status::Written; }

    static WriteOutcome success() { return { Status::Written, {} }; }
    static WriteOutcome readOnly() { return { Status::ReadOnly, {} }; }
    static WriteOutcome failure(const QString &reason) { return { Status::Failed, reason }; }
};
