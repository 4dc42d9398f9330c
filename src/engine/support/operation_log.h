#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "engine/core/datetime.h"
#include "engine/core/records.h"

namespace mv {

// Status of a logged step or of a whole operation; higher is worse, except Stopped.
enum TStepStatus : std::uint8_t {
    ssInformation = 1,  // not counted
    ssDone = 2,
    ssSkipped = 3,
    ssWarning = 4,
    ssError = 5,
    ssStopped = 6,  // ended by a stop request
};

// One step of a file operation: a file copied or deleted, a folder made.
struct TTransaction {
    std::string Name;
    std::string Text;  // result or error text
    TDateTime Started = 0;
    TDateTime Finished = 0;  // 0 while running
    std::uint8_t Status = ssDone;
    std::int64_t Bytes = 0;
};

// A whole file operation and its steps. Total is set by the caller (the number of items
// found); AddStep counts the rest.
struct TOperation {
    std::string Name;
    std::string Text;
    TDateTime Started = 0;
    TDateTime Finished = 0;
    std::uint8_t Status = ssDone;
    std::int64_t Bytes = 0;
    std::int32_t Total = 0;
    std::int32_t Processed = 0;
    std::int32_t Skipped = 0;
    std::int32_t Warnings = 0;
    std::int32_t Errors = 0;
    std::vector<TTransaction> Steps;
};

// Flags of AddStep.
enum TStepFlags : unsigned {
    sfStopOnError = 1,      // a final error stops the operation after this step
    sfErrorNotFailing = 2,  // a final error does not raise the operation's status
    sfErrorAsWarning = 4,   // a final error raises the operation's status to 4 only
    sfShowMessage = 8,      // warnings and final errors go to the message viewer
};

// The colour of warnings and errors in the message viewer.
inline constexpr TRgb StepMessageColour{128, 0, 0};

// Receives the texts that go to the message viewer ("Сообщения").
using TViewerSink = std::function<void(const std::string& text, TRgb colour)>;

// A new operation or step: the name, an empty text, started now, not finished, status 2,
// all counts 0.
TOperation StartOperation(const std::string& name);
TTransaction StartStep(const std::string& name);

// Appends the step to the operation and counts it by its status: done adds to Processed and
// Bytes; skipped to Skipped; a warning to Warnings and raises the status to at least 4; a
// final error (isFinal false: a retry follows, so the step is only listed) to Errors and,
// unless sfErrorNotFailing, raises the status to at least 5 (4 with sfErrorAsWarning).
// With sfShowMessage a warning or final error is also sent to the viewer. The caller sets
// the step's finish time first. Returns true when the operation must stop after this step
// (a final error with sfStopOnError).
bool AddStep(TOperation& operation, const TTransaction& step, unsigned flags,
             const TViewerSink& viewer = {}, bool isFinal = true);

// Kinds of FinishOperation: what an operation that found nothing amounts to.
enum TFinishKind { fkNothingIsFine = 0, fkNothingIsWarning = 1, fkNothingIsError = 2 };

// Sets the summary text and the finish time; with Total 0 the kind may raise the status.
void FinishOperation(TOperation& operation, int kind);

// The viewer texts of a warning and an error step.
std::string StepWarningMessage(const TTransaction& step);
std::string StepErrorMessage(const TTransaction& step);

}  // namespace mv
