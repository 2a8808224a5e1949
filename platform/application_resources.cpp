#include "platform/embedded_resources.h"
#include "platform/resource_module.h"

// Kept apart from resource_module.cpp so that a program which only reads
// .res files of its own need not embed one.
const ResourceModule& ApplicationResources() {
  static const ResourceModule resources = ResourceModule::FromResFile(EmbeddedResourceFile());
  return resources;
}
