// Resource numbers and control identifiers of the program's resources
// (tubrix.rc). Plain macros, so that the resource script can use them too.
#pragma once

// Dialog templates.
#define IDD_ZEL_DIALOG 102       // the input form, screen taller than wide
#define IDD_ZEL_DIALOG_WIDE 103  // the input form's layout for a wide screen
#define IDD_APROPOS 129          // the about box
#define IDD_OUTPUT 130           // the results dialog

// Pictures.
#define IDR_MAINFRAME 128  // icon group: the application icon
#define IDB_CHAMBER 134    // bitmap: the chamber picture, 32 x 32, 8 bits per pixel

// Shared by the statics, group boxes and pictures that nothing addresses.
#define IDC_STATIC (-1)

// Input form (102).
#define IDC_APROPOS 1000
#define IDC_DISPLACEMENT 1001
#define IDC_EXHAUST_DURATION 1002
#define IDC_PORT_WIDTH 1003
#define IDC_PORT_HEIGHT 1004
#define IDC_EXHAUST_IN_CYLINDER 1005
#define IDC_RPM 1006
#define IDC_POWER 1007
#define IDC_HORN_COEFFICIENT 1008
#define IDC_COMPUTE 1009
#define IDC_SHOW 1011
#define IDC_SAVE 1012
#define IDC_PICTURE 1013

// Wide-screen layout (103): a placeholder the form does not have.
#define IDC_PLACEHOLDER 200

// Results dialog (130).
#define IDC_D0 1010
#define IDC_D1 1011
#define IDC_D2 1012
#define IDC_D3 1013
#define IDC_D4 1014
#define IDC_D5 1015
#define IDC_D6 1016
#define IDC_D7 1017
#define IDC_L01 1018
#define IDC_L12 1019
#define IDC_L23 1020
#define IDC_L34 1021
#define IDC_L45 1022
#define IDC_L56 1023
#define IDC_L67 1024
#define IDC_LT 1025
