#pragma once
// Port for today's date, so that printouts can be tested with a fixed date.

namespace velmora {

struct Datum {
  int jahr = 2000;
  int monat = 1;  // 1..12
  int tag = 1;    // 1..31
};

class Uhr {
 public:
  virtual ~Uhr() = default;
  virtual Datum Heute() const = 0;
};

// The computer's clock, local time.
class SystemUhr : public Uhr {
 public:
  Datum Heute() const override;
};

}  // namespace velmora
