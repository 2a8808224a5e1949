#pragma once

#include <cstdint>
#include <span>

// The bytes of the compiled resource file (.res) built into the program.
// Defined by the source that tubrix_add_resources() generates for the target
// that embeds the file (see cmake/TubrixResources.cmake); a program that
// calls ApplicationResources() must link exactly one such definition.
std::span<const std::uint8_t> EmbeddedResourceFile();
