#include "engine/support/operation_log.h"

#include <algorithm>

#include "engine/core/messages.h"
#include "engine/core/text_utils.h"

namespace mv {
namespace {

void RaiseStatus(std::uint8_t& status, std::uint8_t atLeast) {
    status = std::max(status, atLeast);
}

std::string Num(std::int64_t value) {
    return std::to_string(value);
}

}  // namespace

TOperation StartOperation(const std::string& name) {
    TOperation operation;
    operation.Name = name;
    operation.Started = Now();
    return operation;
}

TTransaction StartStep(const std::string& name) {
    TTransaction step;
    step.Name = name;
    step.Started = Now();
    return step;
}

std::string StepWarningMessage(const TTransaction& step) {
    return Fmt(Msg(TMsg::LogWarningLine), {DateTimeText(step.Finished), step.Name, step.Text});
}

std::string StepErrorMessage(const TTransaction& step) {
    return Fmt(Msg(TMsg::LogErrorLine), {DateTimeText(step.Finished), step.Name, step.Text});
}

bool AddStep(TOperation& operation, const TTransaction& step, unsigned flags,
             const TViewerSink& viewer, bool isFinal) {
    operation.Steps.push_back(step);
    const bool show = (flags & sfShowMessage) != 0 && viewer;
    switch (step.Status) {
        case ssDone:
            ++operation.Processed;
            operation.Bytes += step.Bytes;
            return false;
        case ssSkipped:
            ++operation.Skipped;
            return false;
        case ssWarning:
            ++operation.Warnings;
            RaiseStatus(operation.Status, ssWarning);
            if (show) viewer(StepWarningMessage(step), StepMessageColour);
            return false;
        case ssError:
            if (!isFinal) return false;
            ++operation.Errors;
            if ((flags & sfErrorNotFailing) == 0) {
                RaiseStatus(operation.Status,
                            (flags & sfErrorAsWarning) != 0 ? ssWarning : ssError);
            }
            if (show) viewer(StepErrorMessage(step), StepMessageColour);
            return (flags & sfStopOnError) != 0;
        default:
            return false;
    }
}

void FinishOperation(TOperation& operation, int kind) {
    if (operation.Total == 0) {
        if (kind == fkNothingIsWarning) RaiseStatus(operation.Status, ssWarning);
        if (kind == fkNothingIsError) RaiseStatus(operation.Status, ssError);
    }
    if (operation.Bytes != 0) {
        operation.Text =
            Fmt(Msg(TMsg::OperationTotalsKb),
                {Num(operation.Total), Num(operation.Processed),
                 FormatNumberGrouped(static_cast<long double>(operation.Bytes) / 1024.0L, 2),
                 Num(operation.Skipped), Num(operation.Warnings), Num(operation.Errors)});
    } else {
        operation.Text =
            Fmt(Msg(TMsg::OperationTotals),
                {Num(operation.Total), Num(operation.Processed), Num(operation.Skipped),
                 Num(operation.Warnings), Num(operation.Errors)});
    }
    operation.Finished = Now();
}

}  // namespace mv
