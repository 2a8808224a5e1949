#pragma once

// Run-time class information: a class's name and its base class, as
// GetRuntimeClass answers them. A class that declares none answers its
// base's.
//
//   class COutputDlg : public CDialog {
//     DECLARE_DYNAMIC(COutputDlg)
//     ...
//   };
//   IMPLEMENT_DYNAMIC(COutputDlg, CDialog)   // in the .cpp

struct CRuntimeClass {
  const char* m_lpszClassName;
  const CRuntimeClass* m_pBaseClass;  // null for CObject

  // True when this class is `base` or derives from it.
  bool IsDerivedFrom(const CRuntimeClass* base) const;
};

#define RUNTIME_CLASS(className) (&className::class##className)

#define DECLARE_DYNAMIC(className)                       \
 public:                                                 \
  static const CRuntimeClass class##className;           \
  const CRuntimeClass* GetRuntimeClass() const override; \
                                                         \
 private:

#define IMPLEMENT_DYNAMIC(className, baseClassName)                                             \
  const CRuntimeClass className::class##className { #className, RUNTIME_CLASS(baseClassName) }; \
  const CRuntimeClass* className::GetRuntimeClass() const { return RUNTIME_CLASS(className); }
