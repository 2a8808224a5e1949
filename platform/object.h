#pragma once

#include "platform/runtime_class.h"

// The root of the framework's classes: a virtual destructor and run-time
// class information.
class CObject {
 public:
  static const CRuntimeClass classCObject;

  virtual ~CObject() = default;
  virtual const CRuntimeClass* GetRuntimeClass() const;
  bool IsKindOf(const CRuntimeClass* cls) const;

 protected:
  CObject() = default;
  CObject(const CObject&) = delete;
  CObject& operator=(const CObject&) = delete;
};
