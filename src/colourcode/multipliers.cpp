#include "colourcode/multipliers.h"

namespace colourcode {

namespace {

const MultiplierStep &LastStep = MultiplierSteps[9];

} // namespace

const MultiplierStep *ReadoutStep(double value)
{
    for (const MultiplierStep &step : MultiplierSteps) {
        const bool shortForm = step.power >= 1 && step.power <= 8 && value == step.power + 1;
        if (value == step.multiplier || shortForm)
            return &step;
    }
    return value >= 10 ? &LastStep : nullptr;
}

const MultiplierStep *ColouringStep(double value)
{
    for (const MultiplierStep &step : MultiplierSteps) {
        const bool shortForm = step.power >= 2 && step.power <= 8 && value == step.power;
        if (value == step.multiplier || shortForm)
            return &step;
    }
    return value >= 9 ? &LastStep : nullptr;
}

} // namespace colourcode
