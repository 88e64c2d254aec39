#pragma once
// The program's version as kv310ctl --version and the About box show it: the release, followed by the git
// commit the build was made from when it had one ("1.0.0 (git 3f2a9c1b7e40)").

const char* ProgramVersion();
