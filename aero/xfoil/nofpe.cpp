// Preloaded into xfoil: gfortran's start-up call that would enable floating-point traps.
extern "C" void _gfortran_set_fpe(int) {}
