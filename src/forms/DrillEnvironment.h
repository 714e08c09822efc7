#pragma once
// What the application hands to every drill window: the one shared random
// source and the place printed sheets go.

class PrintTarget;
class RandomSource;

struct DrillEnvironment {
    RandomSource& random;
    PrintTarget& printTarget;
};
