#pragma once

// Which component the weight estimator works on.
enum ComponentKind { ComponentWing = 1, ComponentBody = 2, ComponentStab = 4, ComponentFin = 8 };

// The kind of construction chosen in the estimator.
enum ConstructionKind {
    ConstructionNone = 0,
    ConstructionStructure = 1,
    ConstructionShell = 2, // "Coffrage", or "Fibre" for the body
    ConstructionSolidWood = 4,
    ConstructionCancelled = -1,
};

// Proposed weight in hundredths of a kilogram from the component's size (area in m2 for
// surfaces, length in m for the body). Sizes with no real power give 0.
float estimateWeight(int kind, int construction, float size);
