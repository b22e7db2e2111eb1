// Linking tarvelle_resources brings the pictures (:/img/<name>.png) and sounds (:/snd/<name>.wav).
#pragma once

namespace tarvelle {

// True when the generated pictures and sounds are linked in.
bool artResourcesPresent();

} // namespace tarvelle
