// The class initialisers that start-up runs once, in one fixed order, after the string pool
// is loaded: later steps read what earlier ones set.
#pragma once

// Runs every step in order, each under its name on the method-name trace. Defined by the
// registry, which knows every class (registry/class_initialisers.cpp).
void RunClassInitialisers();
