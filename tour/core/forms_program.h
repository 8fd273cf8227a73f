#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "tour/core/adopted_form.h"
#include "tour/core/tour_host.h"

namespace tour {

// The forms run into `folder`: loads each of `files` with `loader`, each one refused in a line of
// its own on `err` (status 2, nothing written); then skins every form of every file in each of
// `styles` (the host's style names, switched to with the host's useStyle()), a line on `err` per
// form and style as it is done, and writes forms.csv, forms.md and forms.png, all or none. The
// summary lines go to `out` once the files are in place. Gives the exit status: 1 where the
// pixels could not be trusted, nothing written.
int formsInto(FormsLoader& loader, const std::vector<std::string>& files, TourHost& host,
              SheetPainter& painter, const std::string& folder,
              const std::vector<std::string>& styles, std::ostream& out, std::ostream& err);

}  // namespace tour
