// Export macro of the simulation controls, which live in the platform library.
#pragma once

#if defined(QXPLATFORM_BUILD)
#define SIM_API __attribute__((visibility("default")))
#else
#define SIM_API
#endif
