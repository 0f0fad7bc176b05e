#include "astrolocationlogging.h"

Q_LOGGING_CATEGORY(astroLocationLog, "tarvino.astro.location")
