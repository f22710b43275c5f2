#pragma once
// Spin-list and room files of the program folder.
