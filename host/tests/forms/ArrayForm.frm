VERSION 5.00
Begin VB.Form ArrayForm 
   Caption         =   "Arrays"
   ClientHeight    =   1500
   ClientWidth     =   3000
   Begin VB.CommandButton Command1 
      Caption         =   "Zero"
      Height          =   495
      Index           =   0
      Left            =   120
      Top             =   120
      Width           =   1215
   End
   Begin VB.CommandButton Command1 
      Caption         =   "One"
      Height          =   495
      Index           =   1
      Left            =   1500
      Top             =   120
      Width           =   1215
   End
End
