// Whether the sound server answers, asked with a deadline before the sound system is touched:
// a server that accepts connections but never replies (hung, or stopped) would otherwise hold
// the game's start for a minute inside the sound system's own connect.
#pragma once

namespace tarvelle {

enum class SoundServer { Answers, Absent, Silent };

// Connects to the sound server the player's settings name and waits at most timeoutMs for it
// to be ready. Absent: nothing to connect to (refused at once). Silent: no answer in time.
SoundServer probeSoundServer(int timeoutMs);

} // namespace tarvelle
