#pragma once
// A product structure for the local archive, read from a JSON file (UTF-8):
//
//   {
//     "objects": [
//       {"id": 1, "designation": "НС-100.00.000", "name": "Насос", "kind": 3},
//       {"id": 2, "designation": "НС-100.01.001", "name": "Корпус", "kind": 4}
//     ],
//     "assemblies": [
//       {"id": 1, "components": [
//         {"id": 2, "position": "1", "quantity": "2", "unit": "шт"}
//       ]}
//     ]
//   }
//
// Every field shown is required and no other is allowed. Ids are whole
// numbers from 1, designations are unique and not empty, a kind is 0 to 9
// (3 an assembly). A component names an object by id and carries its place
// in that assembly: position, quantity and unit are texts (numbers are taken
// too), the quantity without spaces. No assembly may contain itself, however
// deep. Any fault is an IpcatError naming the file and the place.

#include "archivedatabase.h"

#include <QByteArray>
#include <QString>

ArchiveStructure parseStructure(const QByteArray &json, const QString &path);
ArchiveStructure readStructureFile(const QString &path);
