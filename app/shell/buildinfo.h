#pragma once

// Identity of this build of the program.
namespace BuildInfo {

inline constexpr char ProjectVersion[] = "1.0.32";
inline constexpr char BuildNumber[] = "84";
inline constexpr char BuildDate[] = "2024-12-10";
inline constexpr char BuildType[] = "RELEASE";
inline constexpr char BuildTypeDebug[] = "";
inline constexpr char OrganizationName[] = "Zorvik";
inline constexpr char ApplicationName[] = "TARVINO rix3";

} // namespace BuildInfo
