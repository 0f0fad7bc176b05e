import QtQuick
import Tarvino

// Who made the project.
PersonSubTab {
    required property var metadataController

    title: bindTr("Project Settings", "Autor")
    nameLabel: bindTr("Project Settings", "Name", "Author's name")
    addressLabel: bindTr("Project Settings", "Adresse", "Author's address")
    name: metadataController.authorName
    address: metadataController.authorAddress

    function saveData() {
        metadataController.authorName = name
        metadataController.authorAddress = address
    }
}
