#pragma once

#include <QFile>
#include <QString>

struct FakeXfoil {
    double delaySeconds = 0; // before it reads its script
    bool hangs = false;      // never answers
    int failReynolds = 0;    // dies on this Reynolds number without writing a point
    double hangAt = 999;     // works on this angle for ever
    double crashAt = 999;    // dies of a signal on reaching this angle
    double failFrom = 999;   // the points from here to failTo do not converge
    double failTo = 999;
};

/**
 * Writes a stand-in for xfoil at `path`: it reads the command script as xfoil does (VISC,
 * PACC with its file name, ASEQ with its three numbers on the line or after it), writes a
 * smooth polar in xfoil's layout and says on its output what xfoil says of each point, or
 * misbehaves as told.
 */
inline bool writeFakeXfoil(const QString& path, const FakeXfoil& fake = {}) {
    // clang-format off
    static const char* const kScript = R"fake(#!/bin/sh
echo " XFOIL   Version 6.99"
%WAIT%
exec awk -v fail=%FAIL% -v hang=%HANG% -v crash=%CRASH% -v failfrom=%FROM% -v failto=%TO% '
function row(a,   r, cl, cd) {
    printf "       a = %7.3f      CL =  0.5\n", a
    fflush()
    if ((a - crash) ^ 2 < 1e-12) system("kill -SEGV $PPID")
    if ((a - hang) ^ 2 < 1e-12) while (1) {}
    if (a >= failfrom - 1e-6 && a <= failto + 1e-6) {
        print " VISCAL:  Convergence failed"
        fflush()
        return
    }
    r = a * 3.14159265 / 180
    cl = (a > 12) ? 1.5 - 0.05 * (a - 12) : 0.25 + 5.7 * r
    cd = (0.008 + 0.2 * r * r) * (200000 / re) ^ 0.3
    printf "  %7.3f  %7.4f  %8.5f  %8.5f  %7.4f   0.5000   0.9000   0.5000   0.9000\n", a, cl, cd, cd / 2, -0.05 >> file
    fflush(file)
    print " Point written to save file  " file
    fflush()
}
function sweep(from, to, step,   a) {
    if (step == 0) return
    for (a = from; (step > 0) ? a <= to + 1e-9 : a >= to - 1e-9; a += step)
        row(a)
}
function header() {
    print "       XFOIL         Version 6.99" > file
    print "" >> file
    print " Calculated polar for: fake" >> file
    print "" >> file
    print " 1 1 Reynolds number fixed          Mach number fixed" >> file
    print "" >> file
    print " xtrf =   1.000 (top)        1.000 (bottom)" >> file
    printf " Mach =   0.000     Re =     %.3f e 6     Ncrit =   9.000\n", re / 1e6 >> file
    print "" >> file
    print "  alpha    CL        CD       CDp       CM     Top_Xtr  Bot_Xtr  Top_Itr  Bot_Itr" >> file
    print " ------- -------- --------- --------- -------- -------- -------- -------- --------" >> file
    fflush(file)
}
{ gsub(/\r/, "") }
want == "file" { if ($0 != "") { file = $1; want = ""; header() } ; next }
want == "seq" { seq[++got] = $1 + 0; if (got == 3) { sweep(seq[1], seq[2], seq[3]); want = "" } ; next }
$1 == "VISC" { re = $2 + 0; if (re == fail) exit 3 }
$1 == "PACC" { if (file == "") want = "file" }
$1 == "ASEQ" {
    if (NF >= 4) sweep($2 + 0, $3 + 0, $4 + 0)
    else { want = "seq"; got = 0 }
}
$1 == "QUIT" { exit 0 }
'
)fake";
    // clang-format on
    QString script = QString::fromLatin1(kScript);
    script.replace(QStringLiteral("%WAIT%"),
                   fake.hangs ? QStringLiteral("exec sleep 600")
                              : QStringLiteral("sleep %1").arg(fake.delaySeconds));
    script.replace(QStringLiteral("%FAIL%"), QString::number(fake.failReynolds));
    script.replace(QStringLiteral("%HANG%"), QString::number(fake.hangAt));
    script.replace(QStringLiteral("%CRASH%"), QString::number(fake.crashAt));
    script.replace(QStringLiteral("%FROM%"), QString::number(fake.failFrom));
    script.replace(QStringLiteral("%TO%"), QString::number(fake.failTo));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    file.write(script.toLatin1());
    file.close();
    return file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}
