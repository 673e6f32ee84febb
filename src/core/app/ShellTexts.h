#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace corlinth {

// The texts of the application shell: the selection window, the shared message box, the
// interface window of Mac mode and the about window.
namespace texts {
inline constexpr std::string_view selectProductCaption = "Select Product...";
inline constexpr std::string_view warningCaption = "Warning";
inline constexpr std::string_view informationCaption = "Information";
inline constexpr std::string_view macMidiCaption = "Quarnell Corlinth Initialization";
inline constexpr std::string_view aboutCaption = "About Quarnell Corlinth";

inline constexpr std::string_view yes = "Yes";
inline constexpr std::string_view no = "No";
inline constexpr std::string_view cancel = "Cancel";
inline constexpr std::string_view ok = "OK";

inline constexpr std::string_view preparingFirstRun = "Preparing to run for the first time";
inline constexpr std::string_view preparingMayTakeAMinute =
    "Depending on the speed of your computer this may take up to one minute...";

inline constexpr std::string_view processorsHeading = "Processors";
// Kelto and Brannic, the eight-way models, stand apart under a heading of their own.
inline constexpr std::string_view eightWayHeading = "Eight-Channel Processors";

inline constexpr std::string_view macMidiChoose =
    "Select the MIDI interface that will be used to transmit the programming commands to the "
    "Quarnell product:";
inline constexpr std::string_view macMidiNoneFirst =
    "No MIDI interfaces detected. The MIDI interface transmitting the programming commands to "
    "the Quarnell";
inline constexpr std::string_view macMidiNoneSecond =
    "product must be connected to the computer before starting this application. Proceed "
    "anyway?";

inline constexpr std::string_view aboutProgramName = "Quarnell Corlinth";
inline constexpr std::string_view aboutNotice =
    "Copyright (C) Quarnell Music Electronics. All rights reserved.";
inline constexpr std::string_view aboutAddress =
    "Quarnell Music Electronics, 14 Weaver's Yard, Eastbridge";
inline constexpr std::string_view makerWebSite = "https://www.quarnell.example/";
inline constexpr std::string_view makerWebSiteCaption = "www.quarnell.example";

// A start-up document that could not be written; the platform's message follows.
inline constexpr std::string_view installFailed =
    "The example and help documents could not all "
    "be installed:";
inline constexpr std::string_view resourceNotFoundPrefix = "Resource ";
inline constexpr std::string_view resourceNotFoundSuffix = " not found";
inline constexpr std::string_view cannotCreateFilePrefix = "Cannot create file \"";
inline constexpr std::string_view cannotCreateFileMiddle = "\". ";
inline constexpr std::string_view moreFailuresPrefix = "... and ";
inline constexpr std::string_view moreFailuresSuffix = " more.";
}  // namespace texts

// "Version 3.0.6"
std::string versionLine();

// "Resource HennicExample not found": what the first run reports for a document the program
// does not carry.
std::string resourceNotFound(std::string_view resourceName);

// A file the first run could not write: its path, then the platform's own message.
std::string cannotCreateFile(std::string_view path, std::string_view platformMessage);

// The first-run report: the heading, then at most `shown` of the failures, one a line, and how
// many more there were.
std::string installFailureReport(const std::vector<std::string>& failures, std::size_t shown);

}  // namespace corlinth
