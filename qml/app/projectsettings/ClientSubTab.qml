import QtQuick
import Tarvino

// The client the project is made for.
PersonSubTab {
    required property var metadataController

    title: bindTr("Project Settings", "Kunde")
    nameLabel: bindTr("Project Settings", "Name", "Customer's name")
    addressLabel: bindTr("Project Settings", "Adresse", "Customer's address")
    name: metadataController.clientName
    address: metadataController.clientAddress

    function saveData() {
        metadataController.clientName = name
        metadataController.clientAddress = address
    }
}
