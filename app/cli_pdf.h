// "phonikon-cli pdf": hands the command to phonikon-pdf beside the command-line tool, so that the
// other commands never load Qt.
#pragma once

namespace phonikon {

// Replaces the process by phonikon-pdf with the arguments after "pdf" (argv[1]); returns only
// when that fails, with exit status 2 and a message.
int PdfBefehl(int argc, char** argv);

}  // namespace phonikon
