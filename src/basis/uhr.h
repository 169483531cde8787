#pragma once
// Port for today's date and the time of day, so that printouts and the list of issued
// reports can be tested with a fixed date.

namespace velmora {

struct Datum {
  int jahr = 2000;
  int monat = 1;  // 1..12
  int tag = 1;    // 1..31
};

struct Uhrzeit {
  int stunde = 0;  // 0..23
  int minute = 0;
  int sekunde = 0;
};

struct Zeitpunkt {
  Datum datum;
  Uhrzeit zeit;
};

class Uhr {
 public:
  virtual ~Uhr() = default;
  virtual Datum Heute() const = 0;
  // Today with the time of day.
  virtual Zeitpunkt Jetzt() const = 0;
};

// The computer's clock, local time.
class SystemUhr : public Uhr {
 public:
  Datum Heute() const override { return Jetzt().datum; }
  Zeitpunkt Jetzt() const override;
};

}  // namespace velmora
