// The installation pass that every normal start runs: per-user install folder, the embedded
// resources (once), the two menu shortcuts, the Add/Remove Programs entry, the profile values and
// a copy of the running executable when the installed one is missing or older. Nothing is shown
// and no step reports failure: a failing step is skipped and the next one runs.
#pragma once

#include <string>

void RunInstallation();

// Unpacks the embedded archive into `installFolder` + "res" unless the settings marker says it
// was done before; keeps a user's systemset.ini; deletes a leftover data.zip; writes the marker.
void ExtractEmbeddedResources(const std::wstring& installFolder);

// A file-version text as the number the installation compares: every full stop removed, then the
// leading decimal digits ("1.0.0.1" -> 1001, "1.0.10.2" -> 10102); 0 for "" and for texts without
// leading digits such as "None VerSion Supprot".
long VersionNumberOf(const std::wstring& versionText);
