VERSION 5.00
Begin VB.Form TabForm 
   Caption         =   "Tab order"
   ClientHeight    =   3000
   ClientWidth     =   4000
   Begin VB.CommandButton Command1 
      Caption         =   "Last"
      Height          =   400
      Left            =   2400
      TabIndex        =   5
      Top             =   2400
      Width           =   1200
   End
   Begin VB.TextBox Text1 
      Height          =   300
      Left            =   2400
      TabIndex        =   3
      Top             =   120
      Width           =   1200
   End
   Begin Project1.Probe Probe1 
      Height          =   600
      Left            =   2400
      TabIndex        =   1
      Top             =   600
      Width           =   1200
   End
   Begin VB.OptionButton Option1 
      Caption         =   "One"
      Height          =   300
      Index           =   0
      Left            =   120
      TabIndex        =   0
      Top             =   120
      Value           =   -1  'True
      Width           =   1500
   End
   Begin VB.OptionButton Option1 
      Caption         =   "Two"
      Height          =   300
      Index           =   1
      Left            =   120
      TabIndex        =   2
      Top             =   480
      Width           =   1500
   End
   Begin VB.OptionButton Option1 
      Caption         =   "Three"
      Height          =   300
      Index           =   2
      Left            =   120
      TabIndex        =   4
      Top             =   840
      Width           =   1500
   End
End
