#pragma once

#include <QProcessEnvironment>
#include <QString>

// What every xfoil child gets: the trap work-around preloaded, unbuffered Fortran output.
QProcessEnvironment xfoilEnvironment();

// The program's full path (a name is looked up on PATH); empty when it cannot be run.
QString findXfoil(const QString& program);
