#pragma once
// The rules of the file chooser frmArxius that need no window: the full path built from a
// folder and a typed name, when a name may be confirmed, and which mounted volumes a student
// is offered.

#include <string>

namespace quimerix {

// The extension of session files.
inline const std::string Extensio_sessio = ".qxs";
// Text of txtRuta_Arxiu when the last file choice was cancelled.
inline const std::string Ruta_cancel = "Cancel";

// A name can be confirmed when it is neither empty nor the bare ".qxs".
bool nom_arxiu_acceptable(const std::string &nom);
// The folder, "/", and the name with ".qxs" added unless its last four characters already are
// ".qxs". A folder that already ends in "/" (the root) gets no second one.
std::string cami_arxiu(const std::string &carpeta, const std::string &nom);
// What Label2 shows: the full path while a name is typed, the bare folder otherwise.
std::string text_seleccio(const std::string &carpeta, const std::string &nom);
// The name proposed for the next set's file in the same run: the last name (without ".qxs") with
// its final number one higher, or with " 2" added when it has none: "anna" -> "anna 2",
// "anna 2.qxs" -> "anna 3", "tema9" -> "tema10". Empty for an empty name.
std::string nom_seguent(const std::string &nom);
// Whether a mounted volume (its mount point and file-system type) is one a student would pick
// a file from: the root, removable media, network shares and data disks; not the kernel's own
// file systems, memory-backed ones, nor mounts under the system's own folders.
bool unitat_visible(const std::string &arrel, const std::string &tipus);

} // namespace quimerix
