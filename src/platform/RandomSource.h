#pragma once

// One generator for the whole run.
class RandomSource
{
public:
    virtual ~RandomSource() = default;
    // Folds a clock reading into the state without replacing it: two reseed-and-draw pairs
    // at one clock reading give different values.
    virtual void reseed(float clockReading) = 0;
    // A value uniform over the multiples of 2^-24 in [0, 1); never 1.
    virtual float next() = 0;
};
