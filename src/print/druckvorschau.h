#pragma once
// The preview port: shows the pages a printout would print, drawn by the same layout code
// onto the same kind of surface, before a form or a sheet of paper is spent on them.
#include <functional>
#include <optional>
#include <string>

#include "print/druckflaeche.h"

namespace velmora {

class Druckvorschau {
 public:
  virtual ~Druckvorschau() = default;
  // Shows a preview window with every page `zeichne` draws onto the surface it is given:
  // each job's pages in order, no page prompts. `name` names the session as the print
  // command would (a print from the preview window is filed under it); `blatt` is the
  // sheet the preview lays all pages on: A3 landscape when any job of the drawing needs
  // it. `zeichne` reads no files (the caller has loaded its tables) and throws nothing.
  // Returns how the print session ended when the teacher printed from the preview window
  // (its closing notice has been shown then), nothing when the preview was only looked at.
  virtual std::optional<Sitzungsende> Zeige(const std::string& name, Blattformat blatt,
                                            const std::function<void(DruckFlaeche&)>& zeichne) = 0;
};

}  // namespace velmora
