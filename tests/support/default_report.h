#pragma once

// The 26-line parameter report of the default design after Compute, as
// every way out of the program writes it: ParameterReportText, tubrix-calc's
// standard output and -o file, the form's Save command. Each line ends in a
// newline. Header-only, so that tests without Qt can use it too; the
// end-to-end script reads the lines from here as well.
inline constexpr char kDefaultReport[] =
    "Displacement : 124.90\n"
    "Exhaust phase duration : 180.80\n"
    "Exhaust port height :  25.00\n"
    "Exhaust port width :  35.00\n"
    "Exhaust in cylinder :  52.00\n"
    "Power :  27.00\n"
    "Engine RPM : 9800.00\n"
    "Horn coefficient:   1.60\n"
    "D0 :  37.41 mm\n"
    "D1 :  37.41 mm\n"
    "D2 :  50.12 mm\n"
    "D3 :  72.49 mm\n"
    "D4 :  94.58 mm\n"
    "D5 :  94.58 mm\n"
    "D6 :  21.06 mm\n"
    "D7 :  21.06 mm\n"
    "L01 :  38.53 mm\n"
    "L12 : 248.97 mm\n"
    "L23 : 165.68 mm\n"
    "L34 :  83.29 mm\n"
    "L45 :  99.59 mm\n"
    "L56 : 217.28 mm\n"
    "L67 : 217.28 mm\n"
    "Total Length : 1070.62 mm\n"
    "Total Length without stinger: 853.34 mm\n"
    "Total Tuned Length (piston face to middle of baffle cone) : 796.70 mm\n";
