#pragma once

#include <QProcessEnvironment>
#include <QString>

// What every xfoil child gets: the trap work-around preloaded, unbuffered Fortran output.
QProcessEnvironment xfoilEnvironment();

// The program's full path (a name is looked up on PATH); empty when it cannot be run.
QString findXfoil(const QString& program);

// Processor seconds (user and system) the running process has used; negative when the
// system does not say.
double processCpuSeconds(qint64 pid);
