#pragma once

// The five sound effects of the sound folder. DataPaths names their files; the drill's rules
// say which one an answer or a stage plays.
enum class Sound { Correct, Wrong, Burst, NoGood, Pass };
