#include "basis/uhr.h"

#include <ctime>

namespace velmora {

Zeitpunkt SystemUhr::Jetzt() const {
  std::time_t jetzt = std::time(nullptr);
  std::tm ortszeit{};
#ifdef _WIN32
  localtime_s(&ortszeit, &jetzt);
#else
  localtime_r(&jetzt, &ortszeit);
#endif
  return Zeitpunkt{Datum{ortszeit.tm_year + 1900, ortszeit.tm_mon + 1, ortszeit.tm_mday},
                   Uhrzeit{ortszeit.tm_hour, ortszeit.tm_min, ortszeit.tm_sec}};
}

}  // namespace velmora
