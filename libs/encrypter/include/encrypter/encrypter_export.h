#pragma once

#include <QtGlobal>

// The library is built with hidden symbols; the classes marked here form its interface.
#if defined(ENCRYPTER_LIBRARY)
#define ENCRYPTER_EXPORT Q_DECL_EXPORT
#else
#define ENCRYPTER_EXPORT Q_DECL_IMPORT
#endif
